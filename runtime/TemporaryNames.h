#pragma once
// The names of the kit's own temporaries: a file that is not yet whole may stand beside the file
// it is to replace under "<name>.part<pid>-<n>", <pid> being the process that writes it. Such a
// name must not outlive the run: it is removed when SIGINT, SIGTERM or SIGHUP ends the run, and
// one that a run ended outright (SIGKILL) left behind is removed by a later run that writes the
// same file, once the process named in it is gone.
#include <string>

namespace kit {

// The temporary name number `attempt` beside `target` (a host path).
std::string temporaryName(const std::string& target, int attempt);

// Removes the temporaries of `target` whose process is gone. The folder is looked through once
// per run.
void removeStaleTemporaries(const std::string& target);

// A name to be removed if a signal ends the run, from keep() until release() or destruction. Any
// number of names may be kept at once.
class RemovedOnSignal {
public:
    struct Node; // what the signal handler reads: TemporaryNames.cpp

    RemovedOnSignal() = default;
    ~RemovedOnSignal() { release(); }
    RemovedOnSignal(const RemovedOnSignal&) = delete;
    RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;
    void keep(const std::string& name);
    void release();

private:
    Node* node_ = nullptr;
};

} // namespace kit
