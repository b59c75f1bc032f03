#include "FaultInjection.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <utility>

namespace kit_test {

Environment faultEnvironment(const Faults& faults)
{
    // A sanitized program wants its run-time library loaded first; the shim goes in front of it.
    const char* asan = std::getenv("ASAN_OPTIONS");
    Environment environment{
        {"LD_PRELOAD", FAULT_SHIM_PATH},
        {"ASAN_OPTIONS", std::string(asan != nullptr ? asan : "") + ":verify_asan_link_order=0"}};
    for (const auto& [wanted, name] :
         {std::pair{faults.failingSyncs, "KIT_FAIL_SYNC"},
          std::pair{faults.noUnnamedFiles, "KIT_NO_UNNAMED_FILES"},
          std::pair{faults.fullDisk, "KIT_DISK_FULL"}, std::pair{faults.noReservations, "KIT_NO_ALLOCATE"},
          std::pair{faults.shortCopies, "KIT_SHORT_COPY"},
          std::pair{faults.refusedRenames, "KIT_REFUSE_RENAME"}})
        if (wanted)
            environment.emplace_back(name, "1");
    if (faults.stopInFirstWrite != 0)
        environment.emplace_back("KIT_STOP_IN_WRITE", std::to_string(faults.stopInFirstWrite));
    if (!faults.holdInFirstCopy.empty()) {
        if (::mkfifo(faults.holdInFirstCopy.c_str(), 0666) != 0)
            throw std::runtime_error("cannot make the FIFO " + faults.holdInFirstCopy.string());
        environment.emplace_back("KIT_HOLD_COPY_AT", faults.holdInFirstCopy.string());
    }
    return environment;
}

void awaitHeld(const std::filesystem::path& fifo)
{
    // Opened without waiting for the writer, so that a run that never gets there fails the test.
    const int fd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct pollfd ready = {fd, POLLIN, 0};
    char byte = 0;
    const bool held = fd >= 0 && ::poll(&ready, 1, 10000) == 1 && ::read(fd, &byte, 1) == 1;
    if (fd >= 0)
        ::close(fd);
    if (!held)
        throw std::runtime_error("the run was not held in its first copy");
}

} // namespace kit_test
