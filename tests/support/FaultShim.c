// Loaded into a program under test (LD_PRELOAD) to make the system fail where a test needs it:
//   KIT_FAIL_SYNC=1          every sync of a file or a file system fails with EIO, as when the
//                            disk cannot take what was written
//   KIT_NO_UNNAMED_FILES=1   a file without a name (O_TMPFILE) cannot be made, as on a file
//                            system that does not know them
//   KIT_HOLD_COPY_AT=FIFO    the first copy between files (copy_file_range) writes one byte to
//                            FIFO and then waits for good, so that a test can end the run there
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdlib.h>
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
    return ((CopyFileRange)real("copy_file_range"))(in, inOffset, out, outOffset, length, flags);
}
