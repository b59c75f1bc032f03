#pragma once
// Two runs at once in one folder, as a user makes them who starts a program while another one
// still waits for its answer there.
#include <string_view>

#include "ProgramRun.h"
#include "ScratchFolder.h"

namespace kit_test {

struct RunsAtOnce {
    ProgramRun waiting; // the first run
    ProgramRun second;  // the run made while the first waited
};

// Both runs are `request`, made as the ordinary user in `folder` (handed over to that user), which
// meanwhile may be written and entered but not listed (mode 0300, as a drop folder is set up).
// The second is made once the first holds the folder (and then waits for its standard input);
// the first gets `answer` once the second has ended.
RunsAtOnce runWhileAnotherWaits(const ScratchFolder& folder, RunRequest request, std::string_view answer);

} // namespace kit_test
