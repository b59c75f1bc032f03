#include "Program.h"

#include <unistd.h>

#include <csignal>
#include <new>
#include <string>

#include "Console.h"
#include "Failure.h"
#include "TextInput.h"

namespace kit {

int runConsoleProgram(const std::function<int()>& body, EndOfRun end)
{
    // A reader that went away must not kill the run with a signal: writes just fail then.
    std::signal(SIGPIPE, SIG_IGN);

    int code = 0;
    try {
        code = body();
    } catch (const Stop& stop) {
        if (!stop.text.empty())
            errorLine(stop.text);
    } catch (const RuntimeFailure& failure) {
        errorLine(std::string("run-time error: ") + failure.what());
        return failure.exitCode();
    } catch (const std::bad_alloc&) {
        errorLine("run-time error: out of memory");
        return static_cast<int>(FailureCode::Internal);
    } catch (const std::exception& e) {
        errorLine(std::string("run-time error: ") + e.what());
        return static_cast<int>(FailureCode::Internal);
    }

    console().endLastLine();
    if (end == EndOfRun::Prompt) {
        errorLine("Program Completed");
        errorLine("Press Enter to Continue.");
        if (::isatty(STDIN_FILENO) == 1 && ::isatty(STDERR_FILENO) == 1) {
            std::string_view ignored;
            try {
                standardInput().readLine(ignored);
            } catch (const RuntimeFailure&) {
                // The answer only lets the user read the window; a failing read changes nothing.
            }
        }
    }
    return code;
}

} // namespace kit
