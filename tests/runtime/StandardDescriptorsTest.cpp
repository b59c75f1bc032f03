// A console program started with a standard descriptor closed: the run must not hand that
// descriptor to a file it opens, and a question must then meet the end of standard input.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string_view>

#include "Program.h"
#include "TextInput.h"

namespace {

// What the child reports through its exit status.
enum ChildResult { Fine = 0, FileTookDescriptor = 10, QuestionGotAnAnswer = 11, NotRun = 12 };

// Runs a program body in a child whose descriptor `closed` is closed before the run starts.
int runWithDescriptorClosed(int closed)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(closed);
        const int code = kit::runConsoleProgram(
            [closed] {
                const int fd = ::open("/dev/zero", O_RDONLY);
                if (fd == closed)
                    return int{FileTookDescriptor};
                std::string_view answer;
                if (closed == STDIN_FILENO && kit::standardInput().readLine(answer))
                    return int{QuestionGotAnAnswer};
                return int{Fine};
            },
            kit::EndOfRun::Silent);
        ::_exit(code);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return NotRun;
    return WEXITSTATUS(status);
}

TEST(StandardDescriptors, AClosedOneIsNeverHandedToAFile)
{
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        SCOPED_TRACE(fd);
        EXPECT_EQ(runWithDescriptorClosed(fd), Fine);
    }
}

} // namespace
