#pragma once
// Two runs at once in one folder, as a user makes them who starts a program while another one
// still waits for its answer there.
#include <filesystem>
#include <string_view>
#include <vector>

#include "ProgramRun.h"
#include "ScratchFolder.h"

namespace kit_test {

struct RunsAtOnce {
    ProgramRun waiting; // the first run
    ProgramRun second;  // the run made while the first waited
};

// Where the second run is made: beside the first, or as in another container sharing the disk.
enum class SecondRun { SameNetwork, OwnNetwork };

// Both runs are `request`, made as the ordinary user in `folder` (handed over to that user), which
// meanwhile may be written and entered but not listed (mode 0300, as a drop folder is set up).
// The second is made once the first holds the folder (and then waits for its standard input);
// the first gets `answer` once the second has ended.
RunsAtOnce runWhileAnotherWaits(const ScratchFolder& folder, RunRequest request, std::string_view answer,
                                SecondRun second = SecondRun::SameNetwork);

// The same for two runs of any kind: `second` is made once `first` holds every folder of `held`.
RunsAtOnce runWhileAnotherWaits(RunRequest first, const std::vector<std::filesystem::path>& held,
                                const RunRequest& second, std::string_view answer);

// Waits until a run holds `folder`; throws when none does within twenty seconds.
void awaitFolderHeld(const std::filesystem::path& folder);

} // namespace kit_test
