#include "internal/TemporaryNames.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string_view>
#include <utility>

#include "FileWriting.h"
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

// "<file>.part-<key>-<pid>-<n>"; <key> is kUnkeyed where no key can be made.
constexpr std::string_view kMark = ".part-";
constexpr std::string_view kUnkeyed = "unkeyed";

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

// 64-bit FNV-1a of `bytes`, going on from `hash`.
std::uint64_t fnv1a(std::string_view bytes, std::uint64_t hash = 14695981039346656037u)
{
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211u;
    }
    return hash;
}

// The key of this boot of the host and of the PID namespace the run is in: a pid means one
// process only together with both. Empty where the system does not tell them.
std::string makeKey()
{
    char boot[64];
    const int fd = ::open("/proc/sys/kernel/random/boot_id", O_RDONLY | O_CLOEXEC);
    const ssize_t length = fd < 0 ? -1 : ::read(fd, boot, sizeof boot);
    if (fd >= 0)
        ::close(fd);
    struct stat ns;
    if (length <= 0 || ::stat("/proc/self/ns/pid", &ns) != 0)
        return {};
    std::uint64_t hash = fnv1a(std::string_view(boot, static_cast<std::size_t>(length)));
    for (std::uint64_t part : {static_cast<std::uint64_t>(ns.st_dev), static_cast<std::uint64_t>(ns.st_ino)})
        hash = fnv1a(std::string_view(reinterpret_cast<const char*>(&part), sizeof part), hash);
    char key[17];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(hash));
    return key;
}

const std::string& runKey()
{
    static const std::string key = makeKey();
    return key;
}

// A temporary in the form a run under the same key gives them.
struct Leftover {
    std::string file; // the one it was to replace
    std::string name;
    pid_t pid; // the process that wrote it
};

// What `name` is, when it is a temporary in the exact form that a run under the same key writes.
std::optional<Leftover> leftoverNamed(std::string_view name)
{
    static const std::string mark = std::string(kMark) + runKey() + "-";
    const std::size_t at = name.rfind(mark);
    if (at == std::string_view::npos || at == 0)
        return std::nullopt;
    const char* const end = name.data() + name.size();
    pid_t pid = 0;
    unsigned attempt = 0;
    auto [afterPid, pidError] = std::from_chars(name.data() + at + mark.size(), end, pid);
    if (pidError != std::errc() || pid <= 0 || afterPid == end || *afterPid != '-')
        return std::nullopt;
    auto [afterAttempt, attemptError] = std::from_chars(afterPid + 1, end, attempt);
    if (attemptError != std::errc() || afterAttempt != end || attempt > INT_MAX)
        return std::nullopt;
    Leftover leftover{std::string(name.substr(0, at)), std::string(name), pid};
    // Leading zeros would name the same process, but no run writes them.
    if (temporaryNameOf(leftover.file, pid, static_cast<int>(attempt)) != name)
        return std::nullopt;
    return leftover;
}

// Whether the leftover at `path`, of process `pid`, is shown to be one that a run ended outright
// left: a regular file (as a run makes them, never a link) of the run's own user, whose process
// is gone.
bool isStale(const std::string& path, pid_t pid)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
        ::kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

std::string temporaryNameOf(const std::string& target, pid_t pid, int attempt)
{
    const std::string& key = runKey();
    return target + std::string(kMark) + (key.empty() ? std::string(kUnkeyed) : key) + "-" +
        std::to_string(pid) + "-" + std::to_string(attempt);
}

std::string temporaryName(const std::string& target, int attempt)
{
    return temporaryNameOf(target, ::getpid(), attempt);
}

void removeStaleTemporaries(const std::string& target)
{
    // Without a key no leftover can be told to be of a process of this host and namespace.
    if (runKey().empty())
        return;
    // Per folder: the leftovers found there, by the file they were to replace.
    static std::map<std::string, std::multimap<std::string, Leftover>> leftoversByFolder;
    const std::string folder = folderOf(target);
    const std::string file = target.substr(target.rfind('/') + 1);
    auto [found, isNew] = leftoversByFolder.try_emplace(folder);
    if (isNew) {
        if (DIR* d = ::opendir(folder.c_str())) {
            while (const dirent* entry = ::readdir(d))
                if (std::optional<Leftover> leftover = leftoverNamed(entry->d_name))
                    found->second.emplace(leftover->file, std::move(*leftover));
            ::closedir(d);
        }
    }
    auto [first, last] = found->second.equal_range(file);
    for (auto it = first; it != last; ++it) {
        const std::string path = folder + "/" + it->second.name;
        // Looked at as it is to go, not when the folder was read: the run may be long by then.
        if (isStale(path, it->second.pid))
            ::unlink(path.c_str());
    }
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
