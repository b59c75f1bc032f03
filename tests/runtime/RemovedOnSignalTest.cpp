// Names kept for removal are removed when SIGTERM ends the run, however many are kept at once;
// a released name is the caller's again and stays.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "FileWriting.h"

namespace {

using kit_test::ScratchFolder;

struct Keeping {
    int kept;      // names kept for removal
    int released;  // of those, released again before the signal
    int keptAfter; // names kept after the releases, on the places the released ones gave up
};

std::string fileName(int i)
{
    return "piece" + std::to_string(i);
}

// In a child: makes and keeps the files in `folder` as `k` says, then ends by SIGTERM.
[[noreturn]] void keepAndEnd(const std::string& folder, const Keeping& k)
{
    struct sigaction current {};
    // Under nohup SIGTERM would be ignored, and the run would then never end by it.
    if (::sigaction(SIGTERM, nullptr, &current) == 0 && current.sa_handler == SIG_IGN)
        ::signal(SIGTERM, SIG_DFL);
    std::vector<kit::RemovedOnSignal> removals(k.kept + k.keptAfter);
    for (int i = 0; i < k.kept + k.keptAfter; ++i) {
        const std::string name = folder + "/" + fileName(i);
        if (::close(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644)) != 0)
            ::_exit(1);
        removals[i].keep(name);
        if (i + 1 == k.kept)
            for (int r = 0; r < k.released; ++r)
                removals[r].release();
    }
    ::raise(SIGTERM);
    ::_exit(2);
}

class RemovedOnSignal : public ::testing::TestWithParam<Keeping> {};

TEST_P(RemovedOnSignal, RemovesEveryKeptNameAndNoReleasedOne)
{
    ScratchFolder folder;
    const Keeping& k = GetParam();
    const pid_t child = ::fork();
    if (child == 0)
        keepAndEnd(folder.path().string(), k);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);

    ASSERT_TRUE(WIFSIGNALED(status)) << "the child exited with " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
    std::vector<std::string> left;
    for (int r = 0; r < k.released; ++r)
        left.push_back(fileName(r));
    std::sort(left.begin(), left.end());
    EXPECT_EQ(folder.list(), left);
}

INSTANTIATE_TEST_SUITE_P(Counts, RemovedOnSignal,
                         ::testing::Values(Keeping{1, 0, 0}, Keeping{100, 0, 0}, Keeping{100, 40, 0},
                                           Keeping{30, 30, 0}, Keeping{20, 10, 50}),
                         [](const auto& info) {
                             const Keeping& k = info.param;
                             return "Kept" + std::to_string(k.kept) + "Released" +
                                 std::to_string(k.released) + "KeptAfter" + std::to_string(k.keptAfter);
                         });

} // namespace
