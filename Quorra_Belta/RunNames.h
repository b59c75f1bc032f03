#pragma once
// The full names a run works with: a folder value from the settings, "\" and a file name, held
// in a 256-character name buffer (cut when too long, blank-padded otherwise). Only trailing
// blanks of the folder are dropped; leading ones stay part of the name.
#include <cstdint>
#include <string>
#include <string_view>

#include "RunStart.h"
#include "Text.h"

namespace belta {

using Name = kit::Text<256>;

Name joinName(const Name& folder, std::string_view fileName);

// The settings of a run and the full names built from them.
struct RunNames : kit::FolderSettings {
    Name Results_file; // full name of the model results file
    Name MASTNAME;     // full name of the observation file
    Name BTT_NAME;     // full name of the trailer file

    void build();
    // The trailer's name as the stop shows it, not cut to the buffer.
    std::string trailerShown() const;
};

// The result files of a quality level: level 0 names its scatter file "IN0.DAT".
struct LevelFileNames {
    std::string_view INP_FIL;
    std::string_view SCAT_FIL;
};
LevelFileNames levelFileNames(std::int32_t LOWLEV);

} // namespace belta
