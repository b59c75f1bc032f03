#pragma once
// Every way a pairing run stops early: each writes its message lines on the console and stops
// the run (the end-of-run lines follow, exit code 0).
#include <string_view>

namespace belta {

[[noreturn]] void stopSettingsMissing();
[[noreturn]] void stopModelResultsNotOpened(std::string_view Results_file);  // trimmed
[[noreturn]] void stopMasterNotOpened(std::string_view MASTNAME);            // in full
[[noreturn]] void stopTrailerNotOpened(std::string_view Master_path);        // trimmed
[[noreturn]] void stopInvalidQualityLevel();
[[noreturn]] void stopMasterReadError(std::string_view MASTNAME);            // in full
[[noreturn]] void stopModelReadError(std::string_view Results_file);         // trimmed

} // namespace belta
