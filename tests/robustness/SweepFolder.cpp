#include "SweepFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace robust {

namespace fs = std::filesystem;

SweepFolder::SweepFolder()
{
    std::string pattern = (fs::temp_directory_path() / "kit-sweep-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

SweepFolder::~SweepFolder()
{
    std::error_code ignored;
    // An unreadable file in it is still removable: removal needs rights on the folder only.
    fs::remove_all(path_, ignored);
}

void SweepFolder::write(const std::string& name, std::string_view bytes)
{
    const fs::path file = fs::path(path_) / name;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    inputs_[name] = std::string(bytes);
}

void SweepFolder::makeFolder(const std::string& name)
{
    fs::create_directories(fs::path(path_) / name);
}

void SweepFolder::writeUnreadable(const std::string& name, std::string_view bytes)
{
    write(name, bytes);
    fs::permissions(fs::path(path_) / name, fs::perms::none);
}

std::string SweepFolder::changedInputs() const
{
    std::string changed;
    for (const auto& [name, bytes] : inputs_) {
        const fs::path file = fs::path(path_) / name;
        std::error_code ec;
        const auto perms = fs::status(file, ec).permissions();
        if (ec) {
            changed += name + " (gone) ";
            continue;
        }
        // Unreadable inputs are read back by giving the rights back first.
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
        std::ifstream in(file, std::ios::binary);
        const std::string now{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        fs::permissions(file, perms, ec);
        if (now != bytes)
            changed += name + " ";
    }
    return changed;
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

} // namespace robust
