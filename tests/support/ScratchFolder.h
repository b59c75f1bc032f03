#pragma once
// A fresh folder for one test, removed with everything in it when the test ends. The folder
// sits inside a private one, so that files a test keeps out of the program's sight (scripts,
// logs) have a place beside it that is removed too.
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kit_test {

using Files = std::map<std::string, std::string>; // relative path -> bytes

// The bytes of any file; one that cannot be read gives "<missing PATH>", which no expected text
// equals and which names the file in the failure message.
std::string readFile(const std::filesystem::path& file);

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return work_; }
    std::filesystem::path operator/(std::string_view name) const { return work_ / name; }
    // A path beside the folder, for files the program must not see.
    std::filesystem::path aside(std::string_view name) const { return root_ / name; }

    // Writes `bytes` to `name` (relative to the folder), making its folders on the way.
    void write(std::string_view name, std::string_view bytes) const;
    // Lines ended by CR LF, as the programs' own files hold them.
    void writeLines(std::string_view name, const std::vector<std::string>& lines) const;
    void makeFolder(std::string_view name) const;
    // The file's bytes; a file that cannot be read gives "<missing NAME>", which no expected
    // text equals and which names the file in the failure message.
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;
    // The names in `folder` (relative; not below it), sorted.
    std::vector<std::string> list(std::string_view folder = ".") const;
    // Every regular file below the folder with its bytes.
    Files files() const;
    // Gives the folder and everything in it to the user an unprivileged run becomes, so that the
    // run may work there as in a folder of its own; nothing changes when the tests do not run as
    // root. Files written after this are the tester's.
    void handOver() const;

private:
    std::filesystem::path root_;
    std::filesystem::path work_;
};

} // namespace kit_test
