#include "HostPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace kit {

std::string hostPath(std::string_view name)
{
    std::string path(name);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool isReadableFile(std::string_view name)
{
    // A NUL inside a name would silently name a different file.
    if (name.find('\0') != std::string_view::npos)
        return false;
    const int fd = ::open(hostPath(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    const bool ok = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    ::close(fd);
    return ok;
}

} // namespace kit
