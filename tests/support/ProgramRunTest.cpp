// The runner reports every way a child ends, and gives it exactly the folder, input and
// environment asked for.
#include <gtest/gtest.h>

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include "ProgramRun.h"
#include "ScratchFolder.h"

namespace kit_test {
namespace {

RunRequest shell(const ScratchFolder& folder, const std::string& script)
{
    return {.program = "/bin/sh", .arguments = {"-c", script}, .folder = folder.path()};
}

TEST(ProgramRun, CapturesBothStreamsTheExitCodeAndFeedsTheInput)
{
    ScratchFolder folder;
    RunRequest request = shell(folder, R"(cat; printf '%s|' "$@" >&2; exit 3)");
    request.arguments.insert(request.arguments.end(), {"sh", "a", "b c"});
    request.input = std::string("line 1\r\nno end\0x", 16);
    const ProgramRun run = runProgram(request);
    EXPECT_EQ(run.out, request.input);
    EXPECT_EQ(run.err, "a|b c|");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.signal, 0);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(folder.list(), std::vector<std::string>{}); // the captured streams lie elsewhere
}

TEST(ProgramRun, RunsInTheGivenFolder)
{
    ScratchFolder folder;
    folder.makeFolder("sub dir");
    RunRequest request = shell(folder, "pwd -P");
    request.folder = folder / "sub dir";
    EXPECT_EQ(runProgram(request).out, std::filesystem::canonical(folder / "sub dir").string() + "\n");
}

TEST(ProgramRun, ComspecIsTakenOutUnlessTheRunNamesIt)
{
    ScratchFolder folder;
    ::setenv("COMSPEC", "from the test", 1);
    struct Case {
        Environment environment;
        std::string out;
    } cases[] = {
        {{}, "unset|\n"},
        {{{"EXTRA", "1"}}, "unset|1\n"},
        {{{"COMSPEC", "/bin/interpreter"}, {"EXTRA", "two words"}}, "/bin/interpreter|two words\n"},
    };
    for (const Case& c : cases) {
        RunRequest request = shell(folder, R"(echo "${COMSPEC-unset}|$EXTRA")");
        request.environment = c.environment;
        EXPECT_EQ(runProgram(request).out, c.out);
    }
    ::unsetenv("COMSPEC");
}

TEST(ProgramRun, TellsHowARunThatDidNotExitEnded)
{
    using namespace std::chrono_literals;
    ScratchFolder folder;
    struct Case {
        const char* what;
        std::string script;
        std::chrono::milliseconds limit;
        int signal;
        bool timedOut;
    } cases[] = {
        {"a crash", "kill -SEGV $$", 60s, SIGSEGV, false},
        {"a hang", "exec sleep 60", 100ms, SIGKILL, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RunRequest request = shell(folder, c.script);
        request.limit = c.limit;
        const ProgramRun run = runProgram(request);
        EXPECT_EQ(run.signal, c.signal);
        EXPECT_EQ(run.exitCode, 128 + c.signal);
        EXPECT_EQ(run.timedOut, c.timedOut);
    }
}

// Root may write anything: an unprivileged run is how a test sees a file mode bite.
TEST(ProgramRun, AnUnprivilegedRunIsAnOrdinaryUserInAFolderOfItsOwn)
{
    ScratchFolder folder;
    folder.write("protected", "kept");
    std::filesystem::permissions(folder / "protected",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                     std::filesystem::perms::others_read);
    folder.handOver();
    RunRequest request = shell(folder, "id -u; echo made > new; echo over > protected || echo refused");
    request.unprivileged = true;
    const ProgramRun run = runProgram(request);
    const std::optional<UnprivilegedUser> user = unprivilegedUser();
    EXPECT_EQ(run.out, std::to_string(user ? user->uid : ::geteuid()) + "\nrefused\n");
    EXPECT_EQ(folder.read("new"), "made\n");
    EXPECT_EQ(folder.read("protected"), "kept");
}

TEST(ProgramRun, ARunStartsWithItsStandardDescriptorsAloneAndTheirLimit)
{
    ScratchFolder folder;
    RunRequest request = shell(folder, "ulimit -n; exec ls /proc/self/fd");
    request.openFileLimit = 8;
    EXPECT_EQ(runProgram(request).out, "8\n0\n1\n2\n3\n"); // 3: the folder ls lists
}

TEST(ProgramRun, AProgramThatCannotStartEndsWith127)
{
    ScratchFolder folder;
    EXPECT_EQ(runProgram({.program = folder / "missing", .folder = folder.path()}).exitCode, 127);
    EXPECT_EQ(runProgram({.program = "/bin/sh", .folder = folder / "missing"}).exitCode, 127);
}

} // namespace
} // namespace kit_test
