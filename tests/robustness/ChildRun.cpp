#include "ChildRun.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace robust {

namespace {

std::string readWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A file outside the run's folder (the folder's files are compared before and after a run).
std::string sideFile(const char* role)
{
    char pattern[] = "/tmp/kit-sweep-io-XXXXXX";
    const int fd = ::mkstemp(pattern);
    if (fd < 0)
        throw std::runtime_error(std::string("cannot make a file for ") + role);
    ::close(fd);
    return pattern;
}

} // namespace

ChildRun runChild(const ChildSpec& spec)
{
    const std::string inPath = sideFile("standard input");
    const std::string outPath = sideFile("standard output");
    const std::string errPath = sideFile("standard error");
    {
        std::ofstream in(inPath, std::ios::binary);
        if (spec.input)
            in << *spec.input;
    }

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "COMSPEC=", 8) != 0)
            env.emplace_back(*e);
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> args{spec.program};
    args.insert(args.end(), spec.arguments.begin(), spec.arguments.end());
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        // Only async-signal-safe calls from here on.
        const int in = ::open(inPath.c_str(), O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_TRUNC);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_TRUNC);
        if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 ||
            ::chdir(spec.folder.c_str()) != 0)
            ::_exit(127);
        if (spec.noStandardInput)
            ::close(0);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }

    ChildRun run;
    const auto deadline = std::chrono::steady_clock::now() + spec.limit;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (std::chrono::steady_clock::now() > deadline) {
            run.timedOut = true;
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!run.timedOut) {
        if (WIFSIGNALED(status))
            run.signal = WTERMSIG(status);
        else
            run.exitCode = WEXITSTATUS(status);
    }
    run.out = readWhole(outPath);
    run.err = readWhole(errPath);
    std::remove(inPath.c_str());
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return run;
}

} // namespace robust
