#include "PairingKey.h"

float dateTimeKey(std::int32_t year, std::int32_t dayOfYear, std::int32_t hour, double hourDivisor)
{
    // 32-bit integer arithmetic that wraps like the machine's, without undefined behaviour.
    const auto base = static_cast<std::int32_t>(1000u * static_cast<std::uint32_t>(year) +
                                                static_cast<std::uint32_t>(dayOfYear));
    return static_cast<float>(static_cast<double>(base) + static_cast<double>(hour) / hourDivisor);
}
