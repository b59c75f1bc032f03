#pragma once
// Runs the real Quorra_Vendask in a folder, with standard input from the test and standard output
// and error captured.
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vendask::testing {

struct ProgramRun {
    std::string out;
    std::string err;
    int exitCode = -1;
};

// COMSPEC is unset in the child unless `environment` sets it.
ProgramRun runVendask(const std::filesystem::path& folder, std::string_view input,
                      const std::vector<std::pair<std::string, std::string>>& environment = {});

} // namespace vendask::testing
