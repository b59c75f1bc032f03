#pragma once
// The question that only Quorra_Belta asks: the lowest quality level of the observations to admit.
#include <cstdint>

namespace belta {

// Asks for the level and reads it as the first value of a free-format record from standard
// input; a level outside 0 to 3 stops the run.
std::int32_t chooseQualityLevel();

} // namespace belta
