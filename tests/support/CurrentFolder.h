#pragma once
// Makes a folder the current one while it lives, for code under test that names its files
// relative to the current folder; the previous current folder comes back at its end.
#include <filesystem>

namespace kit_test {

class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder);
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path previous_;
};

} // namespace kit_test
