#include "Unlistable.h"

#include <utility>

namespace kit_test {

namespace fs = std::filesystem;

Unlistable::Unlistable(fs::path folder) : folder_(std::move(folder)), mode_(fs::status(folder_).permissions())
{
    fs::permissions(folder_, fs::perms::owner_write | fs::perms::owner_exec);
}

Unlistable::~Unlistable()
{
    std::error_code ignored;
    fs::permissions(folder_, mode_, ignored);
}

} // namespace kit_test
