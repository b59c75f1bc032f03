#pragma once
// The kit's date-time key with the hour divided by 100, from a calendar date.
#include <cstdint>

namespace belta {

float dateTimeKey(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour);

} // namespace belta
