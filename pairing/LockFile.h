#pragma once
// A folder the user may write and enter but not list (mode 0300, as a drop folder is set up)
// cannot be opened, so it cannot be locked itself: a run holds it by a lock on a file of a fixed
// name inside it instead, kLockFileName, which it makes when it is missing and removes at its
// end. The lock goes with the process however it ends, so a file that a killed run left behind
// stops nobody: the next run takes its lock. A run in a folder that does open locks the folder
// itself, and takes the lock of such a file as well where one lies there, so that it sees a run
// that holds the folder by the file.
#include <string>
#include <string_view>

#include "FileDescriptor.h"
#include "FolderLock.h"
#include "FileWriting.h"

namespace kit {

inline constexpr std::string_view kLockFileName = ".tracer-kit.lock";

// Takes the advisory lock on the open file or folder `fd` if no other run holds it: 0, or the
// errno value of why not (EWOULDBLOCK where another run holds it).
int lockWithoutWaiting(int fd);

// Whether the lock file is made where it is missing, or only taken where it lies.
enum class LockFileUse { MakeOne, TakeOneThatLies };

// The lock file of one folder, held from take() until the object goes; it is removed then, while
// still held, and by the run-time's signal handler when SIGINT, SIGTERM or SIGHUP ends the run.
class LockFile {
public:
    LockFile() = default;
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Takes the lock file of `folder` (a host path). Taken as well when `use` only takes one that
    // lies there and none does.
    FolderLock take(const std::string& folder, LockFileUse use);

private:
    FileDescriptor file_;
    std::string path_;
    RemovedOnSignal removal_;
};

} // namespace kit
