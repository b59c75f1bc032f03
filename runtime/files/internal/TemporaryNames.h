#pragma once
// The names of the kit's own temporaries: a file that is not yet whole may stand beside the file
// it is to replace under "<name>.part-<key>-<pid>-<n>", <pid> being the process that writes it
// and <key> 16 hex digits drawn from this boot of the host and the PID namespace the process is
// in, since a pid names one process only within both. Such a name must not outlive the run: it is
// removed when SIGINT, SIGTERM or SIGHUP ends the run (RemovedOnSignal). One that a run ended outright
// (SIGKILL) left behind is removed by a later run that writes the same file, but only where that run can
// prove the leftover is one: the name is in the exact form with the run's own key, it is a
// regular file (not a link) of the run's own user, and the process named in it is gone. Anything
// else stays: a file of the user's that only looks alike is not the kit's, and the temporary of
// a run on another host (a shared network folder) or in another PID namespace (a container
// sharing the folder) belongs to a process this run cannot ask after, which may still be writing
// it. Where no key can be made (no /proc), <key> is "unkeyed" and no later run removes the name.
#include <sys/types.h>

#include <string>

namespace kit {

// The temporary name number `attempt` beside `target` (a host path).
std::string temporaryName(const std::string& target, int attempt);

// The name that process `pid`, of this boot and PID namespace, gives its temporary number
// `attempt` beside `target`.
std::string temporaryNameOf(const std::string& target, pid_t pid, int attempt);

// Removes the temporaries of `target` that an ended run left, as said above. The folder is
// looked through once per run.
void removeStaleTemporaries(const std::string& target);

} // namespace kit
