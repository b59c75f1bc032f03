#pragma once
// How an observation finds its model record: equal date-time keys and arcs that lie together.
#include <cstdint>

namespace vendask {

// The kit's date-time key with the hour divided by 10000.
float dateTimeKey(std::int32_t year, std::int32_t dayOfYear, std::int32_t hour);

// The two arc distances are the same arc when they differ by at most the float nearest 1.0E-4.
bool sameArc(float modelDistance, float observedDistance);

} // namespace vendask
