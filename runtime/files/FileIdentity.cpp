#include "FileWriting.h"

#include <sys/stat.h>

#include <algorithm>
#include <string>

#include "HostPath.h"

namespace kit {

namespace {
std::optional<FileIdentity> identityOf(const struct stat& st)
{
    return FileIdentity{st.st_dev, st.st_ino};
}
} // namespace

std::optional<FileIdentity> fileIdentity(std::string_view name)
{
    const std::optional<std::string> path = hostPath(name);
    struct stat st;
    if (!path || ::stat(path->c_str(), &st) != 0)
        return std::nullopt;
    return identityOf(st);
}

std::optional<FileIdentity> fileIdentity(int fd)
{
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0)
        return std::nullopt;
    return identityOf(st);
}

void InputFiles::add(std::optional<FileIdentity> file)
{
    if (file)
        files_.push_back(*file);
}

bool InputFiles::contains(const FileIdentity& file) const
{
    return std::find(files_.begin(), files_.end(), file) != files_.end();
}

bool InputFiles::contains(std::string_view name) const
{
    const std::optional<FileIdentity> file = fileIdentity(name);
    return file && contains(*file);
}

std::optional<std::string> InputFiles::firstWrittenInput(const std::vector<std::string>& outputs) const
{
    for (const std::string& name : outputs)
        if (contains(name))
            return name;
    return std::nullopt;
}

} // namespace kit
