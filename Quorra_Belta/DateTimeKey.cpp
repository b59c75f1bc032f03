#include "DateTimeKey.h"

#include "JULIAN.h"

namespace belta {

float dateTimeKey(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour)
{
    const std::int32_t dayOfYear = JULIAN(day, month, year);
    // 32-bit integer arithmetic that wraps like the machine's, without undefined behaviour.
    const auto base = static_cast<std::int32_t>(static_cast<std::uint32_t>(year) * 1000u +
                                                static_cast<std::uint32_t>(dayOfYear));
    // Summed in double precision, rounded once when stored.
    return static_cast<float>(static_cast<double>(base) + static_cast<double>(hour) / 100.0);
}

} // namespace belta
