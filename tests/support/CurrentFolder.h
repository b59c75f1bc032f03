#pragma once
// Makes a folder the current one while it lives, for code under test that names its files
// relative to the current folder; the previous current folder comes back at its end.
#include <filesystem>

#include "ScratchFolder.h"

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

// A scratch folder that is the current folder while it lives; it is left before it is removed.
class CurrentScratchFolder : public ScratchFolder {
public:
    CurrentScratchFolder() : here_(path()) {}

private:
    CurrentFolder here_;
};

} // namespace kit_test
