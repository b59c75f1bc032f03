#pragma once
// One row of a bad-input table: the files a run finds, its command line and standard input,
// and how it must end. Every row also checks that the run left every input file as it was.
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "Outcome.h"
#include "SweepFolder.h"

namespace robust {

// Writes the input files of a row.
using SetUp = std::function<void(SweepFolder&)>;

struct SweepCase {
    std::string name; // test name: letters, digits and _
    SetUp setUp;
    std::optional<std::string> input; // standard input (nullopt: empty)
    Outcome expected = Outcome::Ended;
    std::string outputHolds; // a text standard output must hold
    std::string stopText;    // the stop text on standard error, if any
    std::string errorHolds;  // a text the run-time diagnostic must hold
    std::vector<std::string> arguments;
    bool needsUnreadableFile = false; // meaningless for root, who reads anything
    bool noStandardInput = false;     // started with descriptor 0 closed
};

// The rows as the tables write them.
// A stop with the program's message (which holds `outputHolds`), or a complete run.
SweepCase ends(std::string name, SetUp setUp, std::optional<std::string> input, std::string outputHolds,
               std::string stopText = {});
// The one-line run-time diagnostic (holding `errorHolds`, when given).
SweepCase fails(std::string name, SetUp setUp, std::optional<std::string> input, std::string errorHolds = {});
// The "could not be made" report.
SweepCase notMade(std::string name, SetUp setUp, std::optional<std::string> input);
// The same row, skipped when the tests run as root (scripts/test then runs the sweep again as
// an unprivileged user).
SweepCase unreadable(SweepCase c);
// The same row started without any standard input: the first file the program opens gets
// descriptor 0.
SweepCase withoutStandardInput(SweepCase c);
// The same row with a command line.
SweepCase withArguments(SweepCase c, std::vector<std::string> arguments);

inline void PrintTo(const SweepCase& c, std::ostream* os)
{
    *os << c.name;
}

// Runs `program` on the case in a fresh folder and checks the outcome with GoogleTest.
void checkSweepCase(const std::string& program, EndOfRun end, const SweepCase& c);

// Texts the cases are made of.
std::string repeated(std::string_view piece, std::size_t times);
std::string binaryGarbage(std::size_t size, unsigned seed);

} // namespace robust
