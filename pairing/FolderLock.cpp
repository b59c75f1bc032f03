#include "FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "FileDescriptor.h"

namespace kit {

namespace {

FolderLock failed(int error)
{
    return {FolderLockOutcome::Failed, error};
}

// Binds the folder's name to a socket that never listens, so nothing can be sent to it; the
// socket stays open (and the name bound) until the process ends.
FolderLock bindFolderName(const struct stat& folder)
{
    FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!socket.isOpen())
        return failed(errno);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // A name that begins with a NUL is abstract: it lives in no folder and goes with the socket.
    const std::string name = folderLockName(folder.st_dev, folder.st_ino);
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (::bind(socket.get(), reinterpret_cast<const sockaddr*>(&address), size) == 0) {
        socket.release();
        return {FolderLockOutcome::Taken};
    }
    const int error = errno;
    return error == EADDRINUSE ? FolderLock{FolderLockOutcome::HeldByAnotherRun} : failed(error);
}

// The advisory lock on the folder itself, where the folder opens (Taken where it does not: the
// bound name holds the folder then). It stays open until the process ends, since closing it would
// release the lock.
FolderLock lockOpenFolder()
{
    FileDescriptor folder(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isOpen())
        return {FolderLockOutcome::Taken};
    int result;
    do {
        result = ::flock(folder.get(), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        folder.release();
        return {FolderLockOutcome::Taken};
    }
    const int error = errno;
    return error == EWOULDBLOCK ? FolderLock{FolderLockOutcome::HeldByAnotherRun} : failed(error);
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

FolderLock lockCurrentFolder()
{
    struct stat folder;
    if (::stat(".", &folder) != 0)
        return failed(errno);
    const FolderLock opened = lockOpenFolder();
    if (opened.outcome != FolderLockOutcome::Taken)
        return opened;
    return bindFolderName(folder);
}

} // namespace kit
