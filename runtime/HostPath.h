#pragma once
// The programs build names with "\" as the folder separator; on this system "/" stands for it
// wherever a file is opened, created or deleted. Messages keep the names as the program built them.
#include <string>
#include <string_view>

#include "FileDescriptor.h"

namespace kit {

std::string hostPath(std::string_view name);
// The folder part of a host path: "." for a bare name.
std::string folderOf(std::string_view path);

// Opens an existing file (not a folder) for reading: nothing is open when it is missing,
// unreadable, a folder, or named with a NUL (which would name another file).
FileDescriptor openExistingFile(std::string_view name);

// True when `name` is an existing file (not a folder) that can be opened for reading.
bool isReadableFile(std::string_view name);

} // namespace kit
