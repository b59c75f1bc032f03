#include "Program.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <new>
#include <string>

#include "Console.h"
#include "Failure.h"
#include "FileDescriptor.h"
#include "TextInput.h"

namespace kit {

namespace {

// A program started with one of its standard descriptors closed would hand that number to the
// first file it opens: the answer to a question would then be read from an input file, or the
// console lines written into a result file. The empty device takes the place instead, so such a
// descriptor reads as an immediate end of input and swallows what is written.
void keepStandardDescriptorsTaken()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free number is `fd` itself, since the ones below it are taken by now.
        FileDescriptor opened(::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY));
        if (opened.get() == fd)
            opened.release(); // it stays, as the standard descriptor
        else if (opened.isOpen())
            ::dup2(opened.get(), fd);
    }
}

} // namespace

int runConsoleProgram(const std::function<int()>& body, EndOfRun end)
{
    // A reader that went away must not kill the run with a signal: writes just fail then.
    std::signal(SIGPIPE, SIG_IGN);
    keepStandardDescriptorsTaken();

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
                standardInput().readLine(ignored, 0);
            } catch (const RuntimeFailure&) {
                // The answer only lets the user read the window; a failing read changes nothing.
            }
        }
    }
    return code;
}

} // namespace kit
