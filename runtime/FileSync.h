#pragma once
// Getting what was written onto the disk itself: a result that only sits in the system's cache
// is lost when the disk cannot take it later, and with it the pieces it was joined from, once
// they are deleted. Each call gives 0 or the errno value of the failure.
#include <string_view>

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
// Everything written to the file system that holds the file `name` (in the program's own form,
// see HostPath.h): for many files written one after the other, one sync instead of one for each.
int syncFileSystemOf(std::string_view name);
// A file made by another program (`name`, in the program's own form): its bytes, then its name.
int syncWrittenFile(std::string_view name);

} // namespace kit
