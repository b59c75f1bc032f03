#include "FaultInjection.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace kit_test {

Environment faultEnvironment(const Faults& faults)
{
    // A sanitized program wants its run-time library loaded first; the shim goes in front of it.
    const char* asan = std::getenv("ASAN_OPTIONS");
    Environment environment{
        {"LD_PRELOAD", FAULT_SHIM_PATH},
        {"ASAN_OPTIONS", std::string(asan != nullptr ? asan : "") + ":verify_asan_link_order=0"}};
    if (faults.failingSyncs)
        environment.emplace_back("KIT_FAIL_SYNC", "1");
    if (faults.noUnnamedFiles)
        environment.emplace_back("KIT_NO_UNNAMED_FILES", "1");
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
