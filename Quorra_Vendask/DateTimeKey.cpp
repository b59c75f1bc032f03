#include "DateTimeKey.h"

#include <cmath>

#include "PairingKey.h"

namespace vendask {

float dateTimeKey(std::int32_t year, std::int32_t dayOfYear, std::int32_t hour)
{
    return ::dateTimeKey(year, dayOfYear, hour, 10000.0);
}

bool sameArc(float modelDistance, float observedDistance)
{
    constexpr double kTolerance = static_cast<double>(1.0E-4f);
    return std::fabs(static_cast<double>(modelDistance) - static_cast<double>(observedDistance)) <=
        kTolerance;
}

} // namespace vendask
