#include "ProgramBeside.h"

#include <filesystem>

namespace robust {

std::string programBesideThisTest(std::string_view name)
{
    namespace fs = std::filesystem;
    return (fs::read_symlink("/proc/self/exe").parent_path() / name).string();
}

} // namespace robust
