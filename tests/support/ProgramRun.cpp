#include "ProgramRun.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sched.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <thread>

#include "ScratchFolder.h"

extern char** environ;

namespace kit_test {

namespace fs = std::filesystem;

namespace {

std::string keyOf(std::string_view entry)
{
    return std::string(entry.substr(0, entry.find('=')));
}

bool named(const Environment& environment, const std::string& key)
{
    for (const auto& [k, value] : environment)
        if (k == key)
            return true;
    return false;
}

// The child's environment, built before the fork: after it only async-signal-safe calls are made.
std::vector<std::string> childEnvironment(const Environment& changes)
{
    std::vector<std::string> entries;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string key = keyOf(*e);
        if (key != "COMSPEC" && !named(changes, key))
            entries.emplace_back(*e);
    }
    for (const auto& [key, value] : changes)
        entries.push_back(key + "=" + value);
    return entries;
}

std::vector<char*> pointers(std::vector<std::string>& texts)
{
    std::vector<char*> p;
    for (std::string& t : texts)
        p.push_back(t.data());
    p.push_back(nullptr);
    return p;
}

// Waits for the child until the deadline; kills it then. Returns its wait status.
int awaitChild(pid_t pid, std::chrono::milliseconds limit, ProgramRun& run)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    struct rusage usage {};
    for (;;) {
        const pid_t done = ::wait4(pid, &status, WNOHANG, &usage);
        if (done == pid) {
            run.peakMemoryKiB = usage.ru_maxrss;
            return status;
        }
        if (done < 0 && errno != EINTR)
            throw std::runtime_error("waitpid failed");
        if (std::chrono::steady_clock::now() >= deadline) {
            run.timedOut = true;
            ::kill(pid, SIGKILL);
            while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {}
            run.peakMemoryKiB = usage.ru_maxrss;
            return status;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// The program's file, opened before the run drops root: the folders on its way (a build tree
// under /root, say) need not be open to the user the run becomes.
int openProgramFor(const RunRequest& request, const std::optional<UnprivilegedUser>& user)
{
    if (!request.unprivileged || !user)
        return -1;
    const int fd = ::open(request.program.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("cannot open " + request.program.string());
    return fd;
}

} // namespace

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

bool ownNetworkPermitted()
{
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0)
        ::_exit(::unshare(CLONE_NEWNET) == 0 ? 0 : 1);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::optional<UnprivilegedUser> unprivilegedUser()
{
    if (!runningAsRoot())
        return std::nullopt;
    const struct passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr)
        throw std::runtime_error("there is no user nobody to run as");
    return UnprivilegedUser{nobody->pw_uid, nobody->pw_gid};
}

bool becomeUser(const UnprivilegedUser& user)
{
    return ::setgroups(0, nullptr) == 0 && ::setgid(user.gid) == 0 && ::setuid(user.uid) == 0;
}

ProgramRun runProgram(const RunRequest& request)
{
    // The captured streams live in a folder of their own, outside the run's folder, so they never
    // show among the files a run leaves.
    const ScratchFolder streams;
    streams.write("stdin", request.input);
    const fs::path inPath = streams / "stdin", outPath = streams / "stdout", errPath = streams / "stderr";

    std::vector<std::string> arguments{request.program.string()};
    arguments.insert(arguments.end(), request.arguments.begin(), request.arguments.end());
    std::vector<std::string> environment = childEnvironment(request.environment);
    const std::vector<char*> argv = pointers(arguments);
    const std::vector<char*> envp = pointers(environment);
    const std::optional<UnprivilegedUser> user = request.unprivileged ? unprivilegedUser() : std::nullopt;
    const int programFd = openProgramFor(request, user);

    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int in =
            ::open(request.inputFile.empty() ? inPath.c_str() : request.inputFile.c_str(), O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0)
            ::_exit(127);
        if (request.ownNetwork && ::unshare(CLONE_NEWNET) != 0)
            ::_exit(127);
        // Root's rights go before the run enters its folder, so that even that is the user's own doing.
        if (programFd >= 0 && !becomeUser(*user))
            ::_exit(127);
        if (::chdir(request.folder.c_str()) != 0)
            ::_exit(127);
        // A run starts as from a terminal, whatever the tests were started with (a background
        // job ignores SIGINT): a test's signal then ends it.
        for (int s : {SIGINT, SIGTERM, SIGHUP})
            ::signal(s, SIG_DFL);
        if (request.fileSizeLimit != 0) {
            // An ignored SIGXFSZ stays ignored across exec: the write fails with EFBIG instead.
            const struct rlimit size {
                request.fileSizeLimit, request.fileSizeLimit
            };
            if (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &size) != 0)
                ::_exit(127);
        }
        // Only the three standard descriptors reach the program, not what the test holds open.
        for (int fd = STDERR_FILENO + 1; fd < 1024; ++fd)
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        if (request.openFileLimit != 0) {
            const struct rlimit open {
                request.openFileLimit, request.openFileLimit
            };
            if (::setrlimit(RLIMIT_NOFILE, &open) != 0)
                ::_exit(127);
        }
        if (programFd >= 0)
            ::fexecve(programFd, argv.data(), envp.data());
        else
            ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    if (programFd >= 0)
        ::close(programFd);
    if (request.whileRunning) {
        try {
            request.whileRunning(pid);
        } catch (...) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            throw;
        }
    }

    ProgramRun run;
    const int status = awaitChild(pid, request.limit, run);
    if (WIFSIGNALED(status)) {
        run.signal = WTERMSIG(status);
        run.exitCode = 128 + run.signal;
    } else {
        run.exitCode = WEXITSTATUS(status);
    }
    run.out = readFile(outPath);
    run.err = readFile(errPath);
    return run;
}

} // namespace kit_test
