#pragma once
// The programs build names with "\" as the folder separator; on this system "/" stands for it
// wherever a file is opened, created or deleted. Messages keep the names as the program built them.
// A name that holds a NUL has no host path: the system would read the NUL as the end of the name
// and so reach another file than the one named.
#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

#include "FileDescriptor.h"

namespace kit {

// Nothing for a name that holds a NUL.
std::optional<std::string> hostPath(std::string_view name);
// The folder part of a host path: "." for a bare name.
std::string folderOf(std::string_view path);

// Opens `name` as open(2) does with `flags` and `mode`: nothing is open when it cannot be, errno
// telling why (EINVAL for a name with a NUL).
FileDescriptor openFile(std::string_view name, int flags, mode_t mode = 0);

// Opens an existing file (not a folder) for reading: nothing is open when it is missing,
// unreadable, a folder, or named with a NUL.
FileDescriptor openExistingFile(std::string_view name);

// True when `name` is an existing file (not a folder) that can be opened for reading.
bool isReadableFile(std::string_view name);

} // namespace kit
