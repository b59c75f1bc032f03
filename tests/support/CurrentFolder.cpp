#include "CurrentFolder.h"

namespace kit_test {

CurrentFolder::CurrentFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path())
{
    std::filesystem::current_path(folder);
}

CurrentFolder::~CurrentFolder()
{
    // A destructor must not throw; a lost previous folder only matters to later tests, which
    // make their own current folder anyway.
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

} // namespace kit_test
