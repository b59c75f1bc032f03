#include <unistd.h>

#include <cerrno>
#include <string>

#include "FileWriting.h"
#include "HostPath.h"

namespace kit {

int removeFile(std::string_view name)
{
    const std::optional<std::string> path = hostPath(name);
    if (!path)
        return EINVAL;
    return ::unlink(path->c_str()) == 0 ? 0 : errno;
}

} // namespace kit
