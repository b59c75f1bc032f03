#include "HostPath.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "Console.h"

namespace kit {

std::optional<std::string> hostPath(std::string_view name)
{
    if (name.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::string path(name);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string folderOf(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return ".";
    return slash == 0 ? "/" : std::string(path.substr(0, slash));
}

FileDescriptor openFile(std::string_view name, int flags, mode_t mode)
{
    const std::optional<std::string> path = hostPath(name);
    if (!path) {
        errno = EINVAL;
        return {};
    }
    return FileDescriptor(::open(path->c_str(), flags, mode));
}

FileDescriptor openExistingFile(std::string_view name)
{
    console().flush(); // opening a pipe waits for its writer: show first what the run has said
    FileDescriptor file = openFile(name, O_RDONLY | O_CLOEXEC);
    struct stat st;
    if (!file.isOpen() || ::fstat(file.get(), &st) != 0 || S_ISDIR(st.st_mode))
        return {};
    return file;
}

bool isReadableFile(std::string_view name)
{
    return openExistingFile(name).isOpen();
}

} // namespace kit
