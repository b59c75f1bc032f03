#include "DateTimeKey.h"

#include <cmath>

namespace vendask {

float dateTimeKey(std::int32_t year, std::int32_t dayOfYear, std::int32_t hour)
{
    // 32-bit wrap-around, as the integer arithmetic of the key has always had it.
    const auto day = static_cast<std::int32_t>(1000u * static_cast<std::uint32_t>(year) +
                                               static_cast<std::uint32_t>(dayOfYear));
    const double sum = static_cast<double>(day) + static_cast<double>(hour) / 10000.0;
    return static_cast<float>(sum);
}

bool sameArc(float modelDistance, float observedDistance)
{
    constexpr double tolerance = static_cast<double>(1.0E-4f);
    return std::fabs(static_cast<double>(modelDistance) - static_cast<double>(observedDistance)) <= tolerance;
}

} // namespace vendask
