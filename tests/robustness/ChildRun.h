#pragma once
// Runs a program the way a user would, in a given folder, with a given standard input, and
// sees how it ended: its exit code, or the signal that killed it, or that it had to be killed
// because it did not end in time (a hang).
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace robust {

struct ChildRun {
    bool timedOut = false;
    int signal = 0;    // the signal that ended it, 0 when it exited
    int exitCode = -1; // valid when it exited
    std::string out;   // standard output
    std::string err;   // standard error
};

struct ChildSpec {
    std::string program;
    std::vector<std::string> arguments;
    std::string folder;                 // current folder of the run
    std::optional<std::string> input;   // standard input; nullopt: at its end at once (empty)
    bool noStandardInput = false;       // descriptor 0 not open at all
    std::chrono::seconds limit{60};
};

// COMSPEC is taken out of the environment, so that the programs' COPY and DEL run built in.
ChildRun runChild(const ChildSpec& spec);

} // namespace robust
