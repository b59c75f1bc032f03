#pragma once
// A run of a real program that goes on while the test does other things: its standard input is
// a pipe that the test writes only when it lets the run go on, so the run waits at its first
// question for as long as the test needs it there.
#include <filesystem>
#include <future>
#include <string>

#include "ProgramRun.h"

namespace kit_test {

class BackgroundRun {
public:
    // Starts `request` with its standard input read from a pipe made at `pipe`, and returns once
    // the file `sign` exists (something the run makes before it asks its question).
    BackgroundRun(RunRequest request, const std::filesystem::path& pipe, const std::filesystem::path& sign);
    // Lets a run that was not finished go on with no input, and waits for its end.
    ~BackgroundRun();
    BackgroundRun(const BackgroundRun&) = delete;
    BackgroundRun& operator=(const BackgroundRun&) = delete;

    // Gives the run `input` as all the rest of its standard input and waits for its end.
    ProgramRun finish(std::string_view input);

private:
    int writer_ = -1;
    std::future<ProgramRun> run_;
};

} // namespace kit_test
