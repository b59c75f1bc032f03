#pragma once
// The pairing programs' result files: each is joined from pieces (header, body, trailer) by a
// COPY command. These helpers build the command text and check that the joining worked.
#include <initializer_list>
#include <string>
#include <string_view>

namespace kit {

// Whether a name must stand in double quotes in a command: a blank or a "+" would split it.
bool needsQuotes(std::string_view name);
// A name as it goes into a command: in double quotes when it needs them, unchanged otherwise.
std::string commandName(std::string_view name);

// Runs `commandText`, a COPY that joins `pieces` into `destination`, and tells whether
// `destination` came out a regular file holding exactly the pieces' bytes (judged by the
// command's status and the file sizes; nothing is read back), on disk.
bool copyAndCheck(std::string_view commandText, std::string_view destination,
                  std::initializer_list<std::string_view> pieces);

// The console line that names a result file that could not be made, and its folder.
void reportNotMade(std::string_view fileName, std::string_view folder);

} // namespace kit
