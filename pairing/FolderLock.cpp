#include "FolderLock.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "FileDescriptor.h"
#include "LockFile.h"

namespace kit {

namespace {

FolderLock failed(int error)
{
    return {FolderLockOutcome::Failed, error};
}

// What holds one folder for the run.
struct HeldFolder {
    dev_t device = 0;
    ino_t inode = 0;
    FileDescriptor folder; // locked itself, where it opens
    LockFile lockFile;     // where it does not, or where a run left one behind
    FileDescriptor socket; // bound to the folder's name
};

// The folders this run holds, until the process ends: their lock files are removed then.
std::vector<std::unique_ptr<HeldFolder>>& heldFolders()
{
    static std::vector<std::unique_ptr<HeldFolder>> held;
    return held;
}

bool heldByThisRun(const struct stat& folder)
{
    for (const auto& held : heldFolders())
        if (held->device == folder.st_dev && held->inode == folder.st_ino)
            return true;
    return false;
}

// Binds the folder's name to a socket that never listens, so nothing can be sent to it; the name
// stays bound as long as `socket` is open.
FolderLock bindFolderName(const struct stat& folder, FileDescriptor& socket)
{
    socket = FileDescriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!socket.isOpen())
        return failed(errno);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // A name that begins with a NUL is abstract: it lives in no folder and goes with the socket.
    const std::string name = folderLockName(folder.st_dev, folder.st_ino);
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), size) == 0)
        return {FolderLockOutcome::Taken};
    const int error = errno;
    return error == EADDRINUSE ? FolderLock{FolderLockOutcome::HeldByAnotherRun} : failed(error);
}

// The advisory lock on an open folder, and that of a lock file left in it.
FolderLock lockOpenFolder(const std::string& path, HeldFolder& held)
{
    if (const int error = lockWithoutWaiting(held.folder.get()))
        return error == EWOULDBLOCK ? FolderLock{FolderLockOutcome::HeldByAnotherRun} : failed(error);
    return held.lockFile.take(path, LockFileUse::TakeOneThatLies);
}

// A folder that does not open for reading is held by its lock file. Where the run may not make
// that file, it may write nothing else there either: the bound name holds the folder then.
FolderLock lockUnlistedFolder(const std::string& path, HeldFolder& held)
{
    const FolderLock lock = held.lockFile.take(path, LockFileUse::MakeOne);
    const bool refused = lock.error == EACCES || lock.error == EPERM || lock.error == EROFS;
    if (lock.outcome == FolderLockOutcome::Failed && refused && ::access(path.c_str(), W_OK) != 0)
        return {FolderLockOutcome::Taken};
    return lock;
}

// The lock that holds the folder for runs in any network namespace.
FolderLock lockFolderItself(const std::string& path, HeldFolder& held)
{
    held.folder = FileDescriptor(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (held.folder.isOpen())
        return lockOpenFolder(path, held);
    const int error = errno;
    return error == EACCES ? lockUnlistedFolder(path, held) : failed(error);
}

} // namespace

std::string folderLockName(dev_t device, ino_t inode)
{
    char name[64];
    const int length =
        std::snprintf(name, sizeof name, "tracer-kit-folder/%llx/%llx",
                      static_cast<unsigned long long>(device), static_cast<unsigned long long>(inode));
    return std::string(name, static_cast<std::size_t>(length));
}

FolderLock lockFolder(const std::string& folder)
{
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0)
        return {FolderLockOutcome::Unreachable, errno};
    if (!S_ISDIR(st.st_mode))
        return {FolderLockOutcome::Unreachable, ENOTDIR};
    // Locking it again would find it held by this very run.
    if (heldByThisRun(st))
        return {FolderLockOutcome::Taken};

    // Until it is kept, `held` lets go of all it took, its lock file removed first.
    auto held = std::make_unique<HeldFolder>();
    held->device = st.st_dev;
    held->inode = st.st_ino;
    FolderLock lock = lockFolderItself(folder, *held);
    if (lock.outcome != FolderLockOutcome::Taken)
        return lock;
    lock = bindFolderName(st, held->socket);
    if (lock.outcome == FolderLockOutcome::Taken)
        heldFolders().push_back(std::move(held));
    return lock;
}

} // namespace kit
