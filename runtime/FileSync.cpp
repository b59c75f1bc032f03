#include "FileSync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>

#include "FileDescriptor.h"
#include "HostPath.h"

namespace kit {

namespace {
// Opens the file `name` without following a link, for the time of `use`, which gets the file and
// its host path: use's result, or the errno value of the open.
int withFile(std::string_view name, const std::function<int(int, const std::string&)>& use)
{
    const std::optional<std::string> path = hostPath(name);
    if (!path)
        return EINVAL;
    const FileDescriptor file(::open(path->c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    return file.isOpen() ? use(file.get(), *path) : errno;
}
} // namespace

int syncFile(int fd)
{
    while (::fsync(fd) != 0)
        if (errno != EINTR)
            return errno;
    return 0;
}

void beginWritingToDisk(int fd)
{
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
}

int syncFolderOf(std::string_view path, int fileInFolder)
{
    const FileDescriptor folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isOpen())
        return errno == EACCES && ::syncfs(fileInFolder) == 0 ? 0 : errno;
    return syncFile(folder.get());
}

int syncFileSystemOf(std::string_view name)
{
    return withFile(name, [](int fd, const std::string&) { return ::syncfs(fd) == 0 ? 0 : errno; });
}

int syncWrittenFile(std::string_view name)
{
    return withFile(name, [](int fd, const std::string& path) {
        const int error = syncFile(fd);
        return error != 0 ? error : syncFolderOf(path, fd);
    });
}

} // namespace kit
