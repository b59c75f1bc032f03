#pragma once
// The ways a console program of the kit may end on any input, told apart from its exit code,
// its standard error and its standard output. Anything else (a signal, a hang, an exit code
// above 16, stray lines on standard error) is a fault.
#include <string>

#include "ProgramRun.h"

namespace robust {

enum class Outcome {
    Ended,          // a stop with the program's own message, or a complete run: exit code 0
    RuntimeFailure, // one diagnostic line on standard error, exit code 1 to 16
    NotMade,        // a pairing program's "could not be made" report, exit code 1
    Fault,          // none of the above
};

const char* outcomeName(Outcome o);

enum class EndOfRun { Prompt, Silent };

// Judged only from what the run printed and returned. A stop may put one stop text (such as
// "16") on standard error before the end-of-run lines; it is returned in `stopText`.
Outcome classify(const kit_test::ProgramRun& run, EndOfRun end, std::string& stopText);

} // namespace robust
