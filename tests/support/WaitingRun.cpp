#include "WaitingRun.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <filesystem>
#include <future>
#include <string>
#include <thread>
#include <utility>

#include "FolderLock.h"
#include "Unlistable.h"

namespace kit_test {

namespace fs = std::filesystem;

namespace {

constexpr auto kPatience = std::chrono::seconds(20);

// Waits until `ready` holds, or throws once `ended` says that what should bring it about has
// ended, or the test's patience runs out.
template <class Condition, class Ended>
void awaitUnlessEnded(Condition ready, Ended ended, const std::string& what)
{
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!ready()) {
        if (ended())
            throw std::runtime_error("the waiting run ended before " + what);
        if (std::chrono::steady_clock::now() >= deadline)
            throw std::runtime_error("the waiting run did not get to " + what);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

// Waits until `ready` holds; the run that should bring it about must still be going.
template <class Condition>
void await(Condition ready, const std::future<ProgramRun>& run, const std::string& what)
{
    awaitUnlessEnded(
        ready, [&] { return run.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready; }, what);
}

// Whether a run holds `folder`: its lock's name is among the bound socket names the system lists.
// Looking there takes nothing, so the run the test waits for never finds the folder held by it.
bool heldByARun(const fs::path& folder)
{
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0)
        throw std::runtime_error("cannot look at " + folder.string());
    const std::string bound = " @" + kit::folderLockName(st.st_dev, st.st_ino) + "\n";
    return readFile("/proc/net/unix").find(bound) != std::string::npos;
}

// A run going on in the background, its standard input a pipe that the test writes only when it
// lets the run go on.
class BackgroundRun {
public:
    BackgroundRun(RunRequest request, const fs::path& pipe, const std::vector<fs::path>& held)
    {
        if (::mkfifo(pipe.c_str(), 0600) != 0)
            throw std::runtime_error("cannot make the pipe " + pipe.string());
        request.inputFile = pipe;
        run_ = std::async(std::launch::async, runProgram, request);
        // Opening the writing end waits for the reader; without waiting, it fails until the run
        // has opened its end.
        await([&] { return (writer_ = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) >= 0; }, run_,
              "its standard input");
        ::fcntl(writer_, F_SETFL, ::fcntl(writer_, F_GETFL) & ~O_NONBLOCK);
        try {
            for (const fs::path& folder : held)
                await([&] { return heldByARun(folder); }, run_, "hold " + folder.string());
        } catch (...) {
            // No destructor runs for a constructor that throws: the run gets its end of input here,
            // or the test would wait for it until its time limit.
            ::close(writer_);
            run_.wait();
            throw;
        }
    }
    // A run that was not finished goes on with no input.
    ~BackgroundRun()
    {
        if (writer_ >= 0)
            ::close(writer_);
        if (run_.valid())
            run_.wait();
    }
    BackgroundRun(const BackgroundRun&) = delete;
    BackgroundRun& operator=(const BackgroundRun&) = delete;

    // Gives the run `input` as all the rest of its standard input and waits for its end.
    ProgramRun finish(std::string_view input)
    {
        for (std::size_t done = 0; done < input.size();) {
            const ssize_t n = ::write(writer_, input.data() + done, input.size() - done);
            if (n < 0 && errno != EINTR)
                throw std::runtime_error("cannot give the waiting run its input");
            if (n > 0)
                done += static_cast<std::size_t>(n);
        }
        ::close(writer_);
        writer_ = -1;
        return run_.get();
    }

private:
    int writer_ = -1;
    std::future<ProgramRun> run_;
};

} // namespace

void awaitFolderHeld(const fs::path& folder)
{
    // The run was started elsewhere: only the test's patience can tell that it never gets there.
    awaitUnlessEnded([&] { return heldByARun(folder); }, [] { return false; }, "hold " + folder.string());
}

RunsAtOnce runWhileAnotherWaits(RunRequest first, const std::vector<fs::path>& held, const RunRequest& second,
                                std::string_view answer)
{
    const ScratchFolder pipes;
    RunsAtOnce runs;
    BackgroundRun waiting(std::move(first), pipes / "answer", held);
    runs.second = runProgram(second);
    runs.waiting = waiting.finish(answer);
    return runs;
}

RunsAtOnce runWhileAnotherWaits(const ScratchFolder& folder, RunRequest request, std::string_view answer,
                                SecondRun second)
{
    folder.handOver();
    request.folder = folder.path();
    request.unprivileged = true;
    const Unlistable unlistable(folder.path());
    RunRequest secondRequest = request;
    secondRequest.ownNetwork = second == SecondRun::OwnNetwork;
    return runWhileAnotherWaits(request, {folder.path()}, secondRequest, answer);
}

} // namespace kit_test
