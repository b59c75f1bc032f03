#pragma once
// Running an operating-system command. When COMSPEC is set, the named command interpreter runs
// with the arguments "/c" and the command text. Otherwise the kit's own commands are carried out
// here, since this system has no interpreter that knows them:
//   COPY a+b+c dest   joins the sources byte for byte into dest (blanks around "+" allowed;
//                     a name holding blanks may stand in double quotes); dest must end up a
//                     regular file, so a folder in its place makes COPY fail
//   DEL name          deletes one file
// The command word may be in any case; trailing blanks are ignored; any other command goes to
// /bin/sh. The built-in commands print nothing when they succeed and one line on standard error
// when they fail. The console's open line is closed first, so that whatever the command prints
// shows between the program's lines.
#include <string_view>

namespace kit {

// Returns 0 when the command succeeded, non-zero otherwise. Callers may ignore it.
int runCommand(std::string_view commandText);

} // namespace kit
