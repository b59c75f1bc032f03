#include "LeftLockFile.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "Unlistable.h"
#include "WaitingRun.h"

namespace kit_test {

std::string lockFileIn(const LeftLockFile& c)
{
    return std::string(c.folder) + "/.tracer-kit.lock";
}

ProgramRun runWithLeftLockFile(const ScratchFolder& folder, const LeftLockFile& c,
                               const std::filesystem::path& program, std::string_view modelFile)
{
    folder.write(lockFileIn(c), "");
    if (c.signal != 0) {
        std::filesystem::remove(folder / modelFile);
        if (::mkfifo((folder / modelFile).c_str(), 0600) != 0)
            throw std::runtime_error("cannot make the FIFO " + std::string(modelFile));
    }
    folder.handOver();
    std::optional<Unlistable> unlisted;
    if (c.unlisted)
        unlisted.emplace(folder / c.folder);
    return runProgram({.program = program,
                       .folder = folder.path(),
                       .input = c.input,
                       .unprivileged = true,
                       .whileRunning = [&](pid_t run) {
                           if (c.signal == 0)
                               return;
                           awaitFolderHeld(folder / c.folder);
                           ::kill(run, c.signal);
                       }});
}

} // namespace kit_test
