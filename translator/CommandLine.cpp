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
    // The argument starts after the blanks that follow the program name: empty words and blanks
    // in front do not belong to the file name.
    argument.erase(0, argument.find_first_not_of(' '));
    return argument;
}

} // namespace traxo
