#include "LockFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <utility>

namespace kit {

namespace {

// A run that finds the name gone or replaced between opening and locking it tries again; a name
// that keeps changing under it is no lock to rely on.
constexpr int kAttempts = 100;

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether `path` still names the file open as `fd`.
bool namesFile(const std::string& path, int fd)
{
    struct stat named, open;
    return ::lstat(path.c_str(), &named) == 0 && ::fstat(fd, &open) == 0 && sameFile(named, open);
}

} // namespace

int lockWithoutWaiting(int fd)
{
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0 ? 0 : errno;
}

FolderLock LockFile::take(const std::string& folder, LockFileUse use)
{
    const std::string path = folder.ends_with('/') ? folder + std::string(kLockFileName)
                                                   : folder + "/" + std::string(kLockFileName);
    // Read access is all a lock needs, and any user who may write the folder may take it. The file
    // is never followed where a link stands in its place, and never waited on where a pipe does.
    const int flags =
        O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | (use == LockFileUse::MakeOne ? O_CREAT : 0);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        FileDescriptor file(::open(path.c_str(), flags, 0644));
        if (!file.isOpen()) {
            if (errno == ENOENT && use == LockFileUse::TakeOneThatLies)
                return {FolderLockOutcome::Taken};
            return {FolderLockOutcome::Failed, errno};
        }
        struct stat opened;
        if (::fstat(file.get(), &opened) != 0)
            return {FolderLockOutcome::Failed, errno};
        if (!S_ISREG(opened.st_mode))
            return {FolderLockOutcome::Failed, EEXIST};
        if (const int error = lockWithoutWaiting(file.get()); error != 0)
            return error == EWOULDBLOCK ? FolderLock{FolderLockOutcome::HeldByAnotherRun}
                                        : FolderLock{FolderLockOutcome::Failed, error};
        // The run that held it may have removed it at its end between our open and our lock: the
        // lock is then on a file that no other run will find.
        if (namesFile(path, file.get())) {
            file_ = std::move(file);
            path_ = path;
            removal_.keep(path_);
            return {FolderLockOutcome::Taken};
        }
    }
    return {FolderLockOutcome::Failed, EAGAIN};
}

LockFile::~LockFile()
{
    if (!file_.isOpen())
        return;
    // The handler's name goes first: once the file is removed, the name may be another run's.
    removal_.release();
    if (namesFile(path_, file_.get()))
        ::unlink(path_.c_str());
    // file_ closes after this, letting go of the lock only once no run can find the file.
}

} // namespace kit
