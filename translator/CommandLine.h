#pragma once
// TRAXO takes everything after its own name on the command line as one file name, the way the
// user typed it: the words are joined by single blanks.
#include <string>

namespace traxo {

std::string commandLineArgument(int argc, const char* const* argv);

} // namespace traxo
