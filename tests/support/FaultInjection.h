#pragma once
// Faults a run of a real program is made to meet, through a small library loaded into it
// (FaultShim.c): the settings go into the run's environment.
#include <filesystem>

#include "ProgramRun.h"

namespace kit_test {

struct Faults {
    // Every sync of a file or a file system fails with EIO, as when the disk cannot take the data.
    bool failingSyncs = false;
    // No file without a name (O_TMPFILE) can be made, as on a file system that does not know them.
    bool noUnnamedFiles = false;
    // When named, the run stops for good in its first copy between files (the kit's COPY, once
    // the file it copies into is open) and says so through a FIFO made here; see awaitHeld().
    std::filesystem::path holdInFirstCopy = {};
    // The disk has no free block: what would take a file past its end fails with ENOSPC.
    bool fullDisk = false;
    // The file system reserves no room ahead (fallocate fails with EOPNOTSUPP).
    bool noReservations = false;
    // Every in-kernel copy between files ends at once, as some file systems end it early.
    bool shortCopies = false;
    // No file may take another's name (EPERM), as in a sticky folder for another user's file.
    bool refusedRenames = false;
    // When not 0, the first write or copy into a regular file raises this signal first.
    int stopInFirstWrite = 0;
};

Environment faultEnvironment(const Faults& faults);

// Waits until a run is held in its first copy; throws when it is not within ten seconds.
void awaitHeld(const std::filesystem::path& fifo);

} // namespace kit_test
