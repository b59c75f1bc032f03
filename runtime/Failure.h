#pragma once
// How a console program's run ends early. Both unwind to the program's main (see Program.h),
// so every routine can be called, tested and fuzzed in-process.
#include <stdexcept>
#include <string>

namespace kit {

// A stop: the program has written its own message lines; `text` (the stop text, often empty)
// goes to standard error, then the normal end of run follows with exit code 0.
struct Stop {
    std::string text;
};

// Exit codes of run-time failures: the error's severity, never above 16.
enum class FailureCode : int {
    EndOfFile = 2, // a read with no end-of-file path met the end
    BadValue = 3,  // a read with no error path met a value it could not read
    FileError = 4, // a file could not be opened, written or closed
    Internal = 16, // anything else (out of memory ...)
};

// A read or write that has no end-of-file or error path of its own failed: one diagnostic line
// on standard error and a non-zero exit code.
class RuntimeFailure : public std::runtime_error {
public:
    RuntimeFailure(FailureCode code, const std::string& message) : std::runtime_error(message), code_(code) {}
    int exitCode() const { return static_cast<int>(code_); }

private:
    FailureCode code_;
};

} // namespace kit
