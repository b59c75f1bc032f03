#pragma once
// A fresh folder per test, removed afterwards, with small helpers to write and read its files.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vendask::testing {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Writes `bytes` to the file, making its folders.
    void write(std::string_view name, std::string_view bytes) const;
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;
    // Names of the regular files and folders in `folder` (relative), sorted.
    std::vector<std::string> list(std::string_view folder = ".") const;

private:
    std::filesystem::path path_;
};

// Lines joined with CR LF, the last one ended too: how the programs write text files.
std::string crlfLines(const std::vector<std::string>& lines);

} // namespace vendask::testing
