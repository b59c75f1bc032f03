#pragma once
// The settings of a run and the full names built from them, each in its 256-character buffer.
#include <string>

#include "RunStart.h"
#include "Text.h"

namespace vendask {

using Name = kit::Text<256>;

struct RunNames : kit::FolderSettings {
    Name Loc;          // "cph" or "lil" once the location is checked
    Name Results_file; // full name of the model results file
    Name MASTNAME;     // full name of the observation file
    Name BTT_NAME;     // full name of the trailer file
    Name Prefix;       // destination folder of the result files, with its backslash

    // Joins the full names; leading blanks of a setting stay part of the name.
    void build()
    {
        Results_file = kit::joinText<256>({Results_path.trimmed(), "\\", Results_filename.trimmed()});
        MASTNAME = kit::joinText<256>({Master_path.trimmed(), "\\", "MASTER.", Loc.trimmed()});
        BTT_NAME = kit::joinText<256>({Master_path.trimmed(), "\\", Loc.trimmed(), ".BTT"});
        Prefix = kit::joinText<256>({Results_path.trimmed(), "\\"});
    }
    // The trailer's name as the stop shows it, not cut to the buffer.
    std::string trailerShown() const
    {
        return std::string(Master_path.trimmed()) + "\\" + std::string(Loc.trimmed()) + ".BTT";
    }
};

} // namespace vendask
