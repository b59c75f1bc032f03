#pragma once
// One run per folder: the pairing programs keep their temporary pieces under fixed names in the
// current folder and write their result files under fixed names into the results folder, so two
// runs in either would join each other's files. A run holds each folder it writes into for its
// whole length:
// - by an advisory lock on the folder itself, where the folder opens; where it does not (a folder
//   that may be written but not listed), by a lock on a file inside it (LockFile.h). Either lock
//   is seen by runs in another network namespace too (two containers sharing the folder);
// - by a name bound in the system's abstract socket namespace, made from the folder's device and
//   inode: taking it needs no right to read the folder and makes no file. It is all that holds a
//   folder the run may neither list nor write, where nothing of the run can mix anyway.
// The system lets go of every one of them when the process ends, however it ends.
#include <sys/types.h>

#include <string>

namespace kit {

// Unreachable: the folder's name leads to no folder (missing, or not a folder at all).
enum class FolderLockOutcome { Taken, HeldByAnotherRun, Failed, Unreachable };

struct FolderLock {
    FolderLockOutcome outcome;
    int error = 0; // the system's error number when the lock Failed or the folder is Unreachable
};

// Takes the lock on `folder` (a host path) for the rest of the run. A folder this run holds
// already, under this name or another, is Taken at once. Any outcome but Taken means that the run
// does not hold the folder.
FolderLock lockFolder(const std::string& folder);

// The abstract socket name that holds the folder of that device and inode (without its leading
// NUL), as the system lists bound names; tests look for it without taking it.
std::string folderLockName(dev_t device, ino_t inode);

} // namespace kit
