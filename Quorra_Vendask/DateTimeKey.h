#pragma once
// How an observation finds its model record: equal date-time keys and arcs that lie together.
#include <cstdint>

namespace vendask {

// 1000 x year + day of year in 32-bit integers, plus hour / 10000 in double precision, the sum
// stored as a 32-bit float. The kit's observation files were keyed this way, so the hour
// separates keys only as far as a float of the key's size can tell them apart.
float dateTimeKey(std::int32_t year, std::int32_t dayOfYear, std::int32_t hour);

// The two arc distances are the same arc when they differ by at most the float nearest 1.0E-4.
bool sameArc(float modelDistance, float observedDistance);

} // namespace vendask
