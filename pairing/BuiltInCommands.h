#pragma once
// The commands the kit carries out itself when no command interpreter is named:
//   COPY a+b+c dest   joins the sources byte for byte into dest (blanks around "+" allowed; a
//                     name holding blanks or "+" may stand in double quotes). dest must end up a
//                     regular file: a folder or a link in its place, a dest that is one of the
//                     sources, or one the user may not write, makes COPY fail. The copy takes
//                     dest's name only once it is whole and on disk, so a COPY that fails leaves
//                     dest as it was.
//   DEL name          deletes one file
// The command word may be in any case. They print nothing when they succeed and one line on
// standard error when they fail.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

// The command's status (0 when it succeeded), or nothing when `text` is no built-in command.
std::optional<int> runBuiltInCommand(std::string_view text);

// The names a COPY text gives, read as the command reads them.
struct CopyOperands {
    std::vector<std::string> sources = {};
    std::optional<std::string> destination = {};
    std::string problem = {}; // why the text is no whole COPY (what was read before stays); empty when it is
};
// Reads a COPY text without running anything.
CopyOperands readCopyCommand(std::string_view text);

} // namespace kit
