// Loaded into a program under test (LD_PRELOAD) to make the system fail where a test needs it:
//   KIT_FAIL_SYNC=1          every sync of a file or a file system fails with EIO, as when the
//                            disk cannot take what was written
//   KIT_NO_UNNAMED_FILES=1   a file without a name (O_TMPFILE) cannot be made, as on a file
//                            system that does not know them
//   KIT_HOLD_COPY_AT=FIFO    the first copy between files (copy_file_range) writes one byte to
//                            FIFO and then waits for good, so that a test can end the run there
//   KIT_DISK_FULL=1          the disk has no free block: a write, copy or reservation that would
//                            take a file past its end fails with ENOSPC (after writing what fits)
//   KIT_NO_ALLOCATE=1        the file system reserves no room ahead (fallocate: EOPNOTSUPP)
//   KIT_SHORT_COPY=1         every in-kernel copy (copy_file_range) ends at once with 0, as on
//                            file systems that end it early
//   KIT_REFUSE_RENAME=1      no file may take another's name (EPERM), as in a sticky folder
//                            where the file under the name is another user's
//   KIT_STOP_IN_WRITE=SIG    the first write or copy into a regular file raises signal SIG first
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

static int wanted(const char* fault)
{
    const char* value = getenv(fault);
    return value != NULL && value[0] == '1';
}

// The system's own function `name`, which this library's stands in front of.
static void* real(const char* name)
{
    return dlsym(RTLD_NEXT, name);
}

typedef int (*SyncOf)(int);

static int syncUnlessFailing(int fd, const char* name)
{
    if (wanted("KIT_FAIL_SYNC")) {
        errno = EIO;
        return -1;
    }
    return ((SyncOf)real(name))(fd);
}

int fsync(int fd)
{
    return syncUnlessFailing(fd, "fsync");
}

int fdatasync(int fd)
{
    return syncUnlessFailing(fd, "fdatasync");
}

int syncfs(int fd)
{
    return syncUnlessFailing(fd, "syncfs");
}

static int refusesUnnamed(int flags)
{
    return (flags & O_TMPFILE) == O_TMPFILE && wanted("KIT_NO_UNNAMED_FILES");
}

typedef int (*OpenAt)(int, const char*, int, ...);

// The mode argument is there only when the flags ask for a new file.
#define MODE_OF(flags, mode)                                                                       \
    do {                                                                                           \
        va_list args;                                                                              \
        va_start(args, flags);                                                                     \
        mode = ((flags)&O_CREAT) || ((flags)&O_TMPFILE) == O_TMPFILE ? va_arg(args, mode_t) : 0;  \
        va_end(args);                                                                              \
    } while (0)

int openat(int folder, const char* path, int flags, ...)
{
    mode_t mode;
    MODE_OF(flags, mode);
    if (refusesUnnamed(flags)) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return ((OpenAt)real("openat"))(folder, path, flags, mode);
}

int open(const char* path, int flags, ...)
{
    mode_t mode;
    MODE_OF(flags, mode);
    return openat(AT_FDCWD, path, flags, mode);
}

int open64(const char* path, int flags, ...) __attribute__((alias("open")));
int openat64(int folder, const char* path, int flags, ...) __attribute__((alias("openat")));

// The size of the regular file `fd`, or -1 for anything else.
static off_t regularSize(int fd)
{
    struct stat st;
    return fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? st.st_size : -1;
}

// Raises the signal KIT_STOP_IN_WRITE names, once, at the first write into a regular file.
static void stopIfAsked(int fd)
{
    static int raised = 0;
    const char* stop = getenv("KIT_STOP_IN_WRITE");
    if (stop != NULL && !raised && regularSize(fd) >= 0) {
        raised = 1;
        raise(atoi(stop));
    }
}

// How much of `length` bytes written at `at` (the current offset when NULL) fits into the file
// `fd` on a full disk: what stays inside its present size.
static size_t fitting(int fd, const loff_t* at, size_t length)
{
    const off_t size = regularSize(fd);
    if (!wanted("KIT_DISK_FULL") || size < 0)
        return length;
    const off_t from = at != NULL ? *at : (fcntl(fd, F_GETFL) & O_APPEND) ? size : lseek(fd, 0, SEEK_CUR);
    if (from >= size)
        return 0;
    return (size_t)(size - from) < length ? (size_t)(size - from) : length;
}

typedef ssize_t (*Write)(int, const void*, size_t);

ssize_t write(int fd, const void* bytes, size_t length)
{
    stopIfAsked(fd);
    const size_t fits = fitting(fd, NULL, length);
    if (fits == 0 && length > 0) {
        errno = ENOSPC;
        return -1;
    }
    return ((Write)real("write"))(fd, bytes, fits);
}

typedef ssize_t (*CopyFileRange)(int, loff_t*, int, loff_t*, size_t, unsigned);

ssize_t copy_file_range(int in, loff_t* inOffset, int out, loff_t* outOffset, size_t length, unsigned flags)
{
    const char* hold = getenv("KIT_HOLD_COPY_AT");
    if (hold != NULL) {
        const int fifo = open(hold, O_WRONLY);
        if (fifo >= 0 && write(fifo, "h", 1) == 1)
            for (;;)
                pause();
    }
    stopIfAsked(out);
    if (wanted("KIT_SHORT_COPY"))
        return 0;
    const size_t fits = fitting(out, outOffset, length);
    if (fits == 0 && length > 0) {
        errno = ENOSPC;
        return -1;
    }
    return ((CopyFileRange)real("copy_file_range"))(in, inOffset, out, outOffset, fits, flags);
}

typedef int (*Fallocate)(int, int, off_t, off_t);

int fallocate(int fd, int mode, off_t offset, off_t length)
{
    if (wanted("KIT_NO_ALLOCATE")) {
        errno = EOPNOTSUPP;
        return -1;
    }
    if (wanted("KIT_DISK_FULL") && offset + length > regularSize(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return ((Fallocate)real("fallocate"))(fd, mode, offset, length);
}

int fallocate64(int fd, int mode, off_t offset, off_t length) __attribute__((alias("fallocate")));

typedef int (*Rename)(const char*, const char*);

int rename(const char* from, const char* to)
{
    if (wanted("KIT_REFUSE_RENAME")) {
        errno = EPERM;
        return -1;
    }
    return ((Rename)real("rename"))(from, to);
}
