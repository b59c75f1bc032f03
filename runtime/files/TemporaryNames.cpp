#include "internal/TemporaryNames.h"

#include <dirent.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <map>
#include <string_view>

#include "HostPath.h"

namespace kit {

namespace {

constexpr std::string_view kMark = ".part";

// The names to remove when a signal ends the run. The handler may only read plain memory, so the
// names are copied into fixed slots; a run has at most a few temporaries at a time.
constexpr int kSlots = 16;
char slotNames[kSlots][PATH_MAX];
volatile sig_atomic_t slotInUse[kSlots];

extern "C" void removeTemporariesAndEnd(int signal)
{
    for (int i = 0; i < kSlots; ++i)
        if (slotInUse[i])
            ::unlink(slotNames[i]);
    // The handler was reset to the default on entry, and the signal is not blocked in it.
    ::raise(signal);
}

void installHandlerOnce()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current {};
        // A signal the run was started to ignore (nohup) stays ignored.
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = removeTemporariesAndEnd;
        action.sa_flags = SA_RESETHAND | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

// Whether `name` is "<file>.part<pid>-<n>" of a process that is gone; `file` receives <file>.
bool isStale(std::string_view name, std::string& file)
{
    const std::size_t mark = name.rfind(kMark);
    if (mark == std::string_view::npos || mark == 0)
        return false;
    const char* const end = name.data() + name.size();
    const char* p = name.data() + mark + kMark.size();
    pid_t pid = 0;
    unsigned attempt = 0;
    auto [afterPid, pidError] = std::from_chars(p, end, pid);
    if (pidError != std::errc() || pid <= 0 || afterPid == end || *afterPid != '-')
        return false;
    auto [afterAttempt, attemptError] = std::from_chars(afterPid + 1, end, attempt);
    if (attemptError != std::errc() || afterAttempt != end)
        return false;
    file = name.substr(0, mark);
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

std::string temporaryName(const std::string& target, int attempt)
{
    return target + std::string(kMark) + std::to_string(::getpid()) + "-" + std::to_string(attempt);
}

void removeStaleTemporaries(const std::string& target)
{
    // Per folder: the stale temporaries found there, by the file they were to replace.
    static std::map<std::string, std::multimap<std::string, std::string>> staleByFolder;
    const std::string folder = folderOf(target);
    const std::string file = target.substr(target.rfind('/') + 1);
    auto [found, isNew] = staleByFolder.try_emplace(folder);
    if (isNew) {
        if (DIR* d = ::opendir(folder.c_str())) {
            std::string of;
            while (const dirent* entry = ::readdir(d))
                if (isStale(entry->d_name, of))
                    found->second.emplace(of, entry->d_name);
            ::closedir(d);
        }
    }
    auto [first, last] = found->second.equal_range(file);
    for (auto it = first; it != last; ++it)
        ::unlink((folder + "/" + it->second).c_str());
    found->second.erase(first, last);
}

void RemovedOnSignal::keep(const std::string& name)
{
    release();
    if (name.size() >= PATH_MAX)
        return;
    installHandlerOnce();
    for (int i = 0; i < kSlots; ++i) {
        if (!slotInUse[i]) {
            std::memcpy(slotNames[i], name.c_str(), name.size() + 1);
            slotInUse[i] = 1;
            slot_ = i;
            return;
        }
    }
}

void RemovedOnSignal::release()
{
    if (slot_ >= 0)
        slotInUse[slot_] = 0;
    slot_ = -1;
}

} // namespace kit
