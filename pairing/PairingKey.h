#pragma once
// The date-time key that lines up an observation with a model result: 1000 x year + day of year
// in 32-bit integer arithmetic, plus the hour divided by the program's divisor in double
// precision, the sum rounded once to a 32-bit float. The observation files supplied with the kit
// were keyed this way, so the hour separates keys only as far as a float of the key's size can
// tell them apart (steps of 1/128 for two-digit years, 0.125 for four-digit years).
#include <cstdint>

float dateTimeKey(std::int32_t year, std::int32_t dayOfYear, std::int32_t hour, double hourDivisor);
