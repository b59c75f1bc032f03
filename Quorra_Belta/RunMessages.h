#pragma once
// The stops of Quorra_Belta that are its own (the ones it shares with Quorra_Vendask are in
// PairingStops.h): each writes its message lines and stops the run (exit code 0).
#include <string_view>

namespace belta {

[[noreturn]] void stopSettingsMissing();
[[noreturn]] void stopInvalidQualityLevel();

} // namespace belta
