#pragma once
// The console lines that both pairing programs share word for word: the end of every run and
// the stops.
#include <string>
#include <string_view>
#include <vector>

namespace kit_test {

// The last lines of every run, the normal end and a stop alike, on standard error.
inline const std::string kEndOfRun = "Program Completed\nPress Enter to Continue.\n";

// Another run works in the folder.
std::vector<std::string> folderInUseLines();
// The folder cannot be locked for the run; `reason` as the system words it.
std::vector<std::string> folderNotLockedLines(std::string_view reason);
// Another run works with the results folder, shown as `folder` ending in its backslash;
// `settingsName` as the "edit the file" line names the settings file.
std::vector<std::string> resultsFolderInUseLines(std::string_view folder, std::string_view settingsName);
// The results folder cannot be locked for the run; `reason` as the system words it.
std::vector<std::string> resultsFolderNotLockedLines(std::string_view folder, std::string_view reason,
                                                     std::string_view settingsName);
// The name `name` holds a double quote that would not read back from a COPY command.
std::vector<std::string> nameNotWritableLines(std::string_view name, std::string_view settingsName);
// The file `name` would be written by the run but is one of its inputs; `settingsName` as the
// "Edit the file" line names the settings file.
std::vector<std::string> inputWrittenLines(std::string_view name, std::string_view settingsName,
                                           bool piecesMade = false);

} // namespace kit_test
