#pragma once
// Getting what was written onto the disk itself: a result that only sits in the system's cache
// is lost when the disk cannot take it later, and with it the pieces it was joined from, once
// they are deleted. Each call gives 0 or the errno value of the failure.
#include <string_view>

#include "FileDescriptor.h"

namespace kit {

// The bytes and the size of an open file.
int syncFile(int fd);
// Lets the system begin writing the file's bytes to disk now, without waiting for them: a sync
// later then has less to wait for. Failures are left to that sync.
void beginWritingToDisk(int fd);
// The names in the folder that holds `path` (a host path), so that a file just put there under
// its name keeps that name. `fileInFolder` is an open file of that folder: where the folder may
// be entered but not read, and so cannot be opened to be synced, its whole file system is.
int syncFolderOf(std::string_view path, int fileInFolder);
// Opens the file at the host path `path` to be synced, without following a link: for reading,
// or, where the user may only write it, for writing (which leaves its bytes as they are).
FileDescriptor openToSync(const char* path);

} // namespace kit
