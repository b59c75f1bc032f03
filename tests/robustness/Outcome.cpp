#include "Outcome.h"

#include <sstream>
#include <vector>

namespace robust {

namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool contains(const std::string& text, const std::string& piece)
{
    return text.find(piece) != std::string::npos;
}

} // namespace

const char* outcomeName(Outcome o)
{
    switch (o) {
    case Outcome::Ended:
        return "stop or normal end";
    case Outcome::RuntimeFailure:
        return "run-time failure";
    case Outcome::NotMade:
        return "could not be made";
    case Outcome::Fault:
        return "fault";
    }
    return "?";
}

Outcome classify(const kit_test::ProgramRun& run, EndOfRun end, std::string& stopText)
{
    stopText.clear();
    if (run.timedOut || run.signal != 0)
        return Outcome::Fault;
    std::vector<std::string> err = linesOf(run.err);

    if (run.exitCode >= 1 && run.exitCode <= 16 && err.size() == 1 &&
        err[0].rfind("run-time error: ", 0) == 0)
        return Outcome::RuntimeFailure;

    // Every other end goes through the normal end of run.
    if (end == EndOfRun::Prompt) {
        if (err.size() < 2 || err[err.size() - 2] != "Program Completed" ||
            err.back() != "Press Enter to Continue.")
            return Outcome::Fault;
        err.resize(err.size() - 2);
    }
    if (run.exitCode == 1 && end == EndOfRun::Prompt &&
        contains(run.out, " could not be made in the folder "))
        return Outcome::NotMade; // what the failed COPY said on standard error may stand before
    if (run.exitCode != 0)
        return Outcome::Fault;
    // A stop text (such as "16") is the only line a stop may add.
    if (err.size() > 1)
        return Outcome::Fault;
    if (err.size() == 1)
        stopText = err[0];
    return Outcome::Ended;
}

} // namespace robust
