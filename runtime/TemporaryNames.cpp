#include "TemporaryNames.h"

#include <dirent.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <map>
#include <string_view>

#include "HostPath.h"

namespace kit {

// One name the handler may remove. A node is put on the list once, whole, and stays there for the
// rest of the run, a free one being taken again by the next name: the handler may interrupt the
// run at any instruction, and a list that only ever grows at its head is never half-linked under
// it, nor holds a node that is gone.
struct RemovedOnSignal::Node {
    Node* next = nullptr;             // set before the node is put on the list, then never
    std::atomic<bool> taken{false};   // held by a RemovedOnSignal
    std::atomic<bool> removed{false}; // the handler is to remove name
    char name[PATH_MAX];              // written only while not removed
};

namespace {

constexpr std::string_view kMark = ".part";

using Node = RemovedOnSignal::Node;

// The handler reads these and nothing else; atomics that could lock might not be read there.
static_assert(std::atomic<Node*>::is_always_lock_free);
static_assert(std::atomic<bool>::is_always_lock_free);

std::atomic<Node*> nodes{nullptr};

extern "C" void removeTemporariesAndEnd(int signal)
{
    for (const Node* n = nodes.load(std::memory_order_acquire); n != nullptr; n = n->next)
        if (n->removed.load(std::memory_order_acquire))
            ::unlink(n->name);
    // The handler was reset to the default on entry, and the signal is not blocked in it.
    ::raise(signal);
}

// A node no RemovedOnSignal holds, put on the list when every one is held.
Node* takeNode()
{
    for (Node* n = nodes.load(std::memory_order_acquire); n != nullptr; n = n->next)
        if (!n->taken.exchange(true, std::memory_order_acquire))
            return n;
    Node* const node = new Node;
    node->taken.store(true, std::memory_order_relaxed);
    node->next = nodes.load(std::memory_order_relaxed);
    while (!nodes.compare_exchange_weak(node->next, node, std::memory_order_release,
                                        std::memory_order_relaxed)) {}
    return node;
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
    // The system makes no file under such a name, so there is none to remove.
    if (name.size() >= PATH_MAX)
        return;
    installHandlerOnce();
    node_ = takeNode();
    std::memcpy(node_->name, name.c_str(), name.size() + 1);
    // Released after the name is whole: the handler that sees the mark reads the whole name.
    node_->removed.store(true, std::memory_order_release);
}

void RemovedOnSignal::release()
{
    if (node_ == nullptr)
        return;
    node_->removed.store(false, std::memory_order_release);
    node_->taken.store(false, std::memory_order_release);
    node_ = nullptr;
}

} // namespace kit
