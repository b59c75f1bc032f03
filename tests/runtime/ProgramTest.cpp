#include <gtest/gtest.h>

#include "Console.h"
#include "Failure.h"
#include "Program.h"

namespace {

// Keeps the console in memory.
struct CapturedConsole {
    CapturedConsole() : console(-1, false) { kit::setConsoleForTesting(&console); }
    ~CapturedConsole() { kit::setConsoleForTesting(nullptr); }
    kit::Console console;
};

} // namespace

TEST(Program, RunEndsWithTheExitCodeOfHowItEnded)
{
    CapturedConsole console;
    EXPECT_EQ(kit::runConsoleProgram([] { return 1; }, kit::EndOfRun::Silent), 1);
    EXPECT_EQ(kit::runConsoleProgram([]() -> int { throw kit::Stop{}; }, kit::EndOfRun::Silent), 0);
    EXPECT_EQ(
        kit::runConsoleProgram([]() -> int { throw kit::RuntimeFailure(kit::FailureCode::EndOfFile, "x"); },
                               kit::EndOfRun::Silent),
        2);
}
