#pragma once
// The pairing programs' one question in common: the user's ID string for the title of the
// scatter plot.
#include <string_view>

#include "Text.h"

namespace kit {

// Asks for the ID string, showing the title of the `experiment`'s scatter plot, and takes the
// first 12 characters of one line of standard input, padded with blanks. The end of the input is
// a run-time failure.
Text<12> askIdString(std::string_view experiment);

} // namespace kit
