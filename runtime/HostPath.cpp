#include "HostPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "Console.h"

namespace kit {

std::string hostPath(std::string_view name)
{
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

int openExistingFile(std::string_view name)
{
    if (name.find('\0') != std::string_view::npos)
        return -1;
    console().flush();  // opening a pipe waits for its writer: show first what the run has said
    const int fd = ::open(hostPath(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool isReadableFile(std::string_view name)
{
    const int fd = openExistingFile(name);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace kit
