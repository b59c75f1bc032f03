#pragma once
// The key that lines up an observation with a model result: 1000 x year + day of year, plus the
// hour divided by 100, held as a 32-bit float. The float's spacing at the key's size decides how
// finely hours are told apart (a four-digit year leaves steps of 0.125).
#include <cstdint>

namespace belta {

float dateTimeKey(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour);

} // namespace belta
