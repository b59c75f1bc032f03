#pragma once
// The end of a console program's run. The body returns its exit code or throws a Stop or a
// RuntimeFailure (Failure.h); either way the console's last line is closed and, for the pairing
// programs, the end-of-run lines "Program Completed" and "Press Enter to Continue." go to
// standard error, waiting for one line only when standard input and standard error are both a
// terminal. A run-time failure writes one diagnostic line instead and exits with its code.
#include <functional>

namespace kit {

enum class EndOfRun { Prompt, Silent };

int runConsoleProgram(const std::function<int()>& body, EndOfRun end);

} // namespace kit
