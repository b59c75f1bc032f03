#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "FileWriting.h"
#include "HostPath.h"
#include "internal/FileSync.h"
#include "internal/HeldStops.h"
#include "internal/TemporaryNames.h"

namespace kit {

namespace {

constexpr int kAttempts = 100;

// A file without a name is given one through its entry under /proc; without /proc it cannot be.
bool canNameUnnamedFiles()
{
    static const bool can = ::access("/proc/self/fd", X_OK) == 0;
    return can;
}

// Copies `length` bytes of `from` at `at` onto `to` at the same offset: 0 or the errno value.
int copyRange(int to, int from, off_t at, off_t length)
{
    if (length <= 0)
        return 0;
    if (::lseek(to, at, SEEK_SET) != at || ::lseek(from, at, SEEK_SET) != at)
        return errno;
    // The new file has exactly its length: a copy that ends elsewhere met a failure.
    const std::int64_t copied = appendFile(to, from, length);
    return copied == length ? 0 : copied < 0 ? errno : EIO;
}

} // namespace

int ReplacingFile::open(std::string_view name, Links links)
{
    discard();
    old_.reset();
    std::optional<std::string> path = hostPath(name);
    if (!path)
        return EINVAL;
    path_ = std::move(*path);
    struct stat st;
    if (::lstat(path_.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode)) {
            if (links == Links::Refuse)
                return ELOOP;
        } else if (S_ISDIR(st.st_mode)) {
            return EISDIR;
        } else {
            if (::faccessat(AT_FDCWD, path_.c_str(), W_OK, AT_EACCESS) != 0)
                return errno;
            old_ = FileIdentity{st.st_dev, st.st_ino};
        }
    } else if (errno != ENOENT) {
        return errno;
    }
    removeStaleTemporaries(path_);

    if (canNameUnnamedFiles()) {
        file_ = FileDescriptor(::open(folderOf(path_).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666));
        if (file_.isOpen())
            return 0;
        if (errno != EOPNOTSUPP && errno != EISDIR) // EISDIR: a system that knows no O_TMPFILE
            return errno;
    }
    return takeTemporaryName([this](const char* name) {
        file_ = FileDescriptor(::open(name, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        return file_.isOpen() ? 0 : errno;
    });
}

int ReplacingFile::takeTemporaryName(const std::function<int(const char*)>& make)
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temporary_ = temporaryName(path_, attempt);
        // Kept for removal before the file is there: a signal in between finds nothing to remove.
        removal_.keep(temporary_);
        const int error = make(temporary_.c_str());
        if (error == 0)
            return 0;
        removal_.release();
        temporary_.clear();
        if (error != EEXIST)
            return error;
    }
    return EEXIST;
}

int ReplacingFile::writeInPlace(Sync sync)
{
    // O_NONBLOCK: a FIFO put under the name must not hold the run (it is refused below).
    FileDescriptor target(::open(path_.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!target.isOpen())
        return errno;
    struct stat now, written;
    // Only the regular file that was looked at when the run began writing: not one put in its
    // place since, nor a device or FIFO.
    if (::fstat(target.get(), &now) != 0 || ::fstat(file_.get(), &written) != 0)
        return errno;
    if (!S_ISREG(now.st_mode) || FileIdentity{now.st_dev, now.st_ino} != old_)
        return EPERM;
    const off_t oldLength = now.st_size;
    const off_t newLength = written.st_size;

    // The room for the new bytes is taken before any older byte goes: a disk that cannot give it
    // fails the write here, with the older file as it was. Where the file system reserves no
    // room ahead, the part beyond the older length is written first, to the same end.
    if (newLength > 0 && ::fallocate(target.get(), FALLOC_FL_KEEP_SIZE, 0, newLength) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        return errno;
    int error = 0;
    {
        const HeldStops stops;
        error = copyRange(target.get(), file_.get(), oldLength, newLength - oldLength);
        if (error == 0)
            error = copyRange(target.get(), file_.get(), 0, std::min(oldLength, newLength));
        else if (::ftruncate(target.get(), oldLength) != 0) // the room reserved goes back
            error = errno;
        if (error == 0 && newLength < oldLength && ::ftruncate(target.get(), newLength) != 0)
            error = errno;
    }
    if (error == 0 && sync == Sync::ToDisk)
        error = syncFile(target.get());
    const int closeError = target.close();
    return error != 0 ? error : closeError;
}

int ReplacingFile::commit(Sync sync)
{
    if (!file_.isOpen())
        return EBADF;
    int error = sync == Sync::ToDisk ? syncFile(file_.get()) : 0;
    if (sync == Sync::Begun)
        beginWritingToDisk(file_.get());
    if (error == 0 && temporary_.empty())
        error = takeTemporaryName([this](const char* name) {
            const std::string entry = "/proc/self/fd/" + std::to_string(file_.get());
            return ::linkat(AT_FDCWD, entry.c_str(), AT_FDCWD, name, AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
        });
    if (error == 0) {
        if (::rename(temporary_.c_str(), path_.c_str()) == 0) {
            temporary_.clear(); // the file has its name: nothing is left to remove
            if (sync == Sync::ToDisk)
                error = syncFolderOf(path_, file_.get());
        } else {
            error = errno;
            // Where the file may not be replaced, the user may still be allowed to write it.
            if ((error == EPERM || error == EACCES) && old_)
                error = writeInPlace(sync);
        }
    }
    discard();
    return error;
}

void ReplacingFile::discard()
{
    file_.close();
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
    removal_.release();
}

} // namespace kit
