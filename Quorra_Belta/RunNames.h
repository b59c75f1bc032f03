#pragma once
// The full names a run works with: a folder value from the settings, "\" and a file name, held
// in a 256-character name buffer (cut when too long, blank-padded otherwise). Only trailing
// blanks of the folder are dropped; leading ones stay part of the name.
#include <cstdint>
#include <string_view>

#include "Text.h"

namespace belta {

using Name = kit::Text<256>;

Name joinName(const Name& folder, std::string_view fileName);

// The result files of a quality level: level 0 names its scatter file "IN0.DAT".
struct LevelFileNames {
    std::string_view INP_FIL;
    std::string_view SCAT_FIL;
};
LevelFileNames levelFileNames(std::int32_t LOWLEV);

} // namespace belta
