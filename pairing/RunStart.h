#pragma once
// The start of a pairing run: one run at a time in the current folder, the settings file found
// there and named in the banner, and the values read from its section [Files].
#include <string_view>

#include "Text.h"

namespace kit {

// How a pairing program names its settings file.
struct SettingsFile {
    std::string_view name;           // as it is looked for, and as the banner and the stop name it
    std::string_view editName;       // as the "Edit the file" lines of the stops name it
    std::string_view blanksBeforeOn; // before "on file locations." in the missing-file stop
};

// Locks the current folder for the run, finds the settings file and shows the banner; stops when
// another run holds the folder or the settings file is not there.
void startRun(const SettingsFile& settings);

// The value of `key`; blank when the key is missing.
Text<256> settingsValue(std::string_view key);

// The settings both pairing programs read, in this order.
struct FolderSettings {
    Text<256> Results_path;     // folder of the model results and of the result files
    Text<256> Results_filename; // file name of the model results
    Text<256> Master_path;      // folder of the kit's observation and trailer files
};
void readFolderSettings(FolderSettings& settings);

} // namespace kit
