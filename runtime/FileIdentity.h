#pragma once
// Files told apart by what they are on disk (device and inode), not by their names: a link, a
// second hard link or another spelling of a folder lets two names lead to one file.
#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};

// What `name` leads to, links followed; nothing when no file stands there.
std::optional<FileIdentity> fileIdentity(std::string_view name);
std::optional<FileIdentity> fileIdentity(int fd);

// The files a run reads, for telling whether a file it is about to write is one of them.
class InputFiles {
public:
    void add(std::optional<FileIdentity> file);
    // The first of `outputs` (names in the program's own form) that leads to one of the inputs.
    std::optional<std::string> firstWrittenInput(const std::vector<std::string>& outputs) const;
    bool contains(std::string_view name) const;
    bool contains(const FileIdentity& file) const;

private:
    std::vector<FileIdentity> files_;
};

} // namespace kit
