#include "FileSync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "HostPath.h"

namespace kit {


int syncFile(int fd)
{
    // A sync is never cut short by a signal, but the call may report EINTR on some file systems.
    while (::fsync(fd) != 0)
        if (errno != EINTR)
            return errno;
    return 0;
}

int syncFolderOf(std::string_view path, int fileInFolder)
{
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno == EACCES && ::syncfs(fileInFolder) == 0 ? 0 : errno;
    const int error = syncFile(fd);
    ::close(fd);
    return error;
}

int syncFileSystemOf(std::string_view path)
{
    const std::string file(path);
    const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::syncfs(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

int syncWrittenFile(std::string_view path)
{
    const std::string file(path);
    const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = syncFile(fd);
    if (error == 0)
        error = syncFolderOf(path, fd);
    ::close(fd);
    return error;
}

} // namespace kit
