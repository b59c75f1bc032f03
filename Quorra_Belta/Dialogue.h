#pragma once
// The two questions a pairing run asks on the console: the lowest quality level to admit and
// the user's ID string for the scatter-plot title.
#include <cstdint>

#include "Text.h"

namespace belta {

// Asks for the level and reads it as the first value of a free-format record from standard
// input; a level outside 0 to 3 stops the run.
std::int32_t chooseQualityLevel();

// Asks for the ID string and takes the first 12 characters of the next input line.
kit::Text<12> askIdString();

} // namespace belta
