#pragma once
// Running an operating-system command. When COMSPEC is set, the named command interpreter runs
// with the arguments "/c" and the command text. Otherwise COPY and DEL are carried out by the kit
// itself (BuiltInCommands.h), since this system has no interpreter that knows them; trailing
// blanks are ignored; any other command goes to /bin/sh. The console's open line is closed first,
// so that whatever the command prints shows between the program's lines.
#include <string_view>

namespace kit {

// Returns 0 when the command succeeded, non-zero otherwise. Callers may ignore it.
int runCommand(std::string_view commandText);

// Whether commands go to a command interpreter named by COMSPEC rather than to the kit's own.
bool interpreterNamed();

} // namespace kit
