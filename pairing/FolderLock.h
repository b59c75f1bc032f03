#pragma once
// One run per folder: the pairing programs keep their temporary pieces under fixed names in the
// current folder, so two runs there would join each other's pieces. A run holds the folder by
// a name bound in the system's abstract socket namespace, made from the folder's device and
// inode: taking it needs no right to read the folder, makes no file, and the system lets go of
// it when the process ends, however it ends. Where the folder can be opened, the run also holds
// an advisory lock on it, which a run in another network namespace sees as well.
#include <sys/types.h>

#include <string>

namespace kit {

enum class FolderLockOutcome { Taken, HeldByAnotherRun, Failed };

struct FolderLock {
    FolderLockOutcome outcome;
    int error = 0; // the system's error number when the lock Failed
};

// Takes the lock on the current folder for the rest of the run; once per process, since a second
// call finds the folder held by the first. Any outcome but Taken means the run must not go on.
FolderLock lockCurrentFolder();

// The abstract socket name that holds the folder of that device and inode (without its leading
// NUL), as the system lists bound names; tests look for it without taking it.
std::string folderLockName(dev_t device, ino_t inode);

} // namespace kit
