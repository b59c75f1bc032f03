#include "SweepCase.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "ProgramRun.h"

namespace robust {

void checkSweepCase(const std::string& program, EndOfRun end, const SweepCase& c)
{
    if (c.needsUnreadableFile && kit_test::runningAsRoot())
        GTEST_SKIP() << "root can read every file";
    SweepFolder folder;
    c.setUp(folder);
    kit_test::RunRequest request{program, c.arguments, folder.scratch().path(), c.input.value_or("")};
    if (c.noStandardInput) {
        // The shell starts the program with descriptor 0 closed.
        request.arguments.insert(request.arguments.begin(), {"-c", "exec \"$0\" \"$@\" <&-", program});
        request.program = "/bin/sh";
    }
    request.limit = std::chrono::seconds(60);
    const kit_test::ProgramRun run = kit_test::runProgram(request);

    ASSERT_FALSE(run.timedOut) << "the run hung";
    ASSERT_EQ(run.signal, 0) << "the run was killed by signal " << run.signal << "\n" << run.err;
    std::string stopText;
    const Outcome outcome = classify(run, end, stopText);
    EXPECT_EQ(outcomeName(outcome), std::string(outcomeName(c.expected)))
        << "exit code " << run.exitCode << "\nstandard output:\n"
        << run.out << "\nstandard error:\n"
        << run.err;
    if (outcome == Outcome::RuntimeFailure) {
        EXPECT_NE(run.err.find(c.errorHolds), std::string::npos) << run.err;
    }
    if (!c.outputHolds.empty()) {
        EXPECT_NE(run.out.find(c.outputHolds), std::string::npos)
            << "standard output lacks \"" << c.outputHolds << "\":\n"
            << run.out;
    }
    if (outcome == Outcome::Ended) {
        EXPECT_EQ(stopText, c.stopText);
    }
    EXPECT_EQ(folder.changedInputs(), "") << "input files changed by the run";
}

SweepCase ends(std::string name, SetUp setUp, std::optional<std::string> input, std::string outputHolds,
               std::string stopText)
{
    SweepCase c;
    c.name = std::move(name);
    c.setUp = std::move(setUp);
    c.input = std::move(input);
    c.expected = Outcome::Ended;
    c.outputHolds = std::move(outputHolds);
    c.stopText = std::move(stopText);
    return c;
}

SweepCase fails(std::string name, SetUp setUp, std::optional<std::string> input, std::string errorHolds)
{
    SweepCase c = ends(std::move(name), std::move(setUp), std::move(input), {});
    c.expected = Outcome::RuntimeFailure;
    c.errorHolds = std::move(errorHolds);
    return c;
}

SweepCase notMade(std::string name, SetUp setUp, std::optional<std::string> input)
{
    SweepCase c =
        ends(std::move(name), std::move(setUp), std::move(input), " could not be made in the folder ");
    c.expected = Outcome::NotMade;
    return c;
}

SweepCase unreadable(SweepCase c)
{
    c.needsUnreadableFile = true;
    return c;
}

SweepCase withoutStandardInput(SweepCase c)
{
    c.noStandardInput = true;
    return c;
}

SweepCase withArguments(SweepCase c, std::vector<std::string> arguments)
{
    c.arguments = std::move(arguments);
    return c;
}

std::string repeated(std::string_view piece, std::size_t times)
{
    std::string s;
    s.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        s.append(piece);
    return s;
}

std::string binaryGarbage(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string s(size, '\0');
    for (char& c : s)
        c = static_cast<char>(random() & 0xff);
    return s;
}

} // namespace robust
