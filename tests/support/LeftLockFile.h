#pragma once
// A lock file that a killed pairing run left behind, and the next run that meets it.
#include <filesystem>
#include <string_view>

#include "ProgramRun.h"
#include "ScratchFolder.h"

namespace kit_test {

struct LeftLockFile {
    const char* label;
    const char* folder; // where the lock file lies
    bool unlisted;      // the folder may be written and entered but not listed
    const char* input;  // the answers; the ID question fails when there is none for it
    int signal;         // sent once the run holds its folders, while it waits for its model results
    int exitCode;
};

// The lock file's name in `folder`, from the top of the scratch folder.
std::string lockFileIn(const LeftLockFile& c);

// Leaves the lock file, then runs `program` as an unprivileged user in `folder`, whose inputs
// are written. Where a signal is to end the run, the model results `modelFile` become a FIFO
// that the run waits on.
ProgramRun runWithLeftLockFile(const ScratchFolder& folder, const LeftLockFile& c,
                               const std::filesystem::path& program, std::string_view modelFile);

} // namespace kit_test
