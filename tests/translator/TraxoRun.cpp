#include "TraxoRun.h"

#include <utility>

namespace kit_test {

ProgramRun runTraxo(const ScratchFolder& folder, std::vector<std::string> arguments)
{
    return runProgram({.program = TRAXO_PATH, .arguments = std::move(arguments), .folder = folder.path()});
}

std::string progressLines(int pages)
{
    std::string s;
    for (int p = 1; p <= pages; ++p)
        s += (p > 1 ? "\r" : "") + std::string("Translating page ") + rightAligned(p, 4);
    return s;
}

std::string totalLine(int pages)
{
    return "\rTotal number of pages translated: " + rightAligned(pages, 4);
}

std::string page(const std::string& commands, bool complete)
{
    return kPrologue + commands + (complete ? kEpilogue : "");
}

std::string eps(const std::vector<std::string>& textLines)
{
    std::string s;
    for (const std::string& l : textLines)
        s += l + "\n";
    return s;
}

} // namespace kit_test
