#pragma once
// Runs a real program the way a user would: in a given folder, with given arguments, standard
// input and environment, and captures what it wrote and how it ended. A run that outlives its
// time limit is killed, so a hung program fails its test instead of stalling the whole suite.
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kit_test {

using Environment = std::vector<std::pair<std::string, std::string>>;

// Members left out of a braced request take their defaults: no arguments, no input.
struct RunRequest {
    std::filesystem::path program = {};
    std::vector<std::string> arguments = {};
    std::filesystem::path folder = {};    // the current folder of the run
    std::string input = {};               // all of standard input
    std::filesystem::path inputFile = {}; // standard input from this file instead, when named
    // Set in the child on top of the test's own environment. COMSPEC is taken out unless it is
    // named here, so that the programs' COPY and DEL run built in.
    Environment environment = {};
    std::chrono::milliseconds limit = std::chrono::seconds(120);
    // The size a file written by the run may reach, 0 for no limit: a write past it fails as on a
    // full disk (the program is not killed for it).
    std::uint64_t fileSizeLimit = 0;
    // The number of descriptors the run may have open, 0 for no limit; the run starts with only
    // its three standard ones open.
    unsigned openFileLimit = 0;
    // Run as an ordinary user, so that file modes bite as they do for one: when the tests run as
    // root, the program runs as the user nobody (see UnprivilegedUser); otherwise as the tester.
    // The run's folder and what it reads must then be open to that user (ScratchFolder::handOver).
    bool unprivileged = false;
    // Run in a network namespace of its own, as in another container on the same disk: abstract
    // socket names bound there are not those of the test's namespace. Needs root (see
    // ownNetworkPermitted).
    bool ownNetwork = false;
    // Called with the run's process id once it has started, before the run is awaited: to feed
    // it or to send it a signal.
    std::function<void(pid_t)> whileRunning = {};
};

// True when the tests run as root, for whom file modes do not bite.
bool runningAsRoot();

// Whether a run may be given a network namespace of its own here.
bool ownNetworkPermitted();

// Who an unprivileged run is when the tests run as root; nullopt when they do not (a run is then
// already unprivileged).
struct UnprivilegedUser {
    uid_t uid;
    gid_t gid;
};
std::optional<UnprivilegedUser> unprivilegedUser();
// Gives up root's rights for good and becomes `user`: for a child process of a test.
bool becomeUser(const UnprivilegedUser& user);

struct ProgramRun {
    std::string out; // standard output
    std::string err; // standard error
    // The exit status; when a signal ended the run, 128 + the signal, as a shell reports it.
    int exitCode = -1;
    int signal = 0;         // the signal that ended the run, 0 when it exited
    bool timedOut = false;  // killed (SIGKILL) because it outlived the limit
    long peakMemoryKiB = 0; // the largest resident size the run reached
};

ProgramRun runProgram(const RunRequest& request);

} // namespace kit_test
