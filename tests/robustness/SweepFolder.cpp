#include "SweepFolder.h"

#include <filesystem>

namespace robust {

namespace fs = std::filesystem;

void SweepFolder::write(const std::string& name, std::string_view bytes)
{
    scratch_.write(name, bytes);
    inputs_[name] = std::string(bytes);
}

void SweepFolder::makeFolder(const std::string& name)
{
    scratch_.makeFolder(name);
}

void SweepFolder::writeUnreadable(const std::string& name, std::string_view bytes)
{
    write(name, bytes);
    fs::permissions(scratch_ / name, fs::perms::none);
}

std::string SweepFolder::changedInputs() const
{
    std::string changed;
    for (const auto& [name, bytes] : inputs_) {
        const fs::path file = scratch_ / name;
        std::error_code ec;
        const fs::perms perms = fs::status(file, ec).permissions();
        if (ec || !fs::is_regular_file(file)) {
            changed += name + " (gone) ";
            continue;
        }
        // An unreadable input is read back with its rights given back for the moment.
        fs::permissions(file, fs::perms::owner_read, fs::perm_options::add, ec);
        const std::string now = scratch_.read(name);
        fs::permissions(file, perms, ec);
        if (now != bytes)
            changed += name + " ";
    }
    return changed;
}

} // namespace robust
