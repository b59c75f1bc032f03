#include "CommandLine.h"

namespace traxo {

std::string commandLineArgument(int argc, const char* const* argv)
{
    std::string argument;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            argument += ' ';
        argument += argv[i];
    }
    return argument;
}

} // namespace traxo
