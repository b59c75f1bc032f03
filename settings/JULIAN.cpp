#include "JULIAN.h"

#include <cstdint>

namespace {

// The dates come straight from data files and are never range-checked, so the 32-bit sums wrap
// like the machine's integer arithmetic instead of being undefined for absurd inputs.
int wrapped(std::int64_t value)
{
    return static_cast<int>(static_cast<std::uint32_t>(value));
}

} // namespace

int JULIAN(int DAY, int MONTH, int YEAR)
{
    int JULDAY = wrapped(DAY + std::int64_t{31} * (std::int64_t{MONTH} - 1));
    if (MONTH > 2) {
        // The month-length correction uses the single-precision constants 0.4 and 2.3 with the
        // product and sum in double precision: August then sums to exactly 5.5 and truncates to 5.
        constexpr float kSlope = 0.4f;
        constexpr float kBase = 2.3f;
        const double correction = static_cast<double>(kSlope) * MONTH + static_cast<double>(kBase);
        JULDAY = wrapped(std::int64_t{JULDAY} - static_cast<int>(correction));
        // Every year divisible by 4 counts as a leap year; there is no century rule.
        if (YEAR / 4 * 4 == YEAR)
            JULDAY = wrapped(std::int64_t{JULDAY} + 1);
    }
    return JULDAY;
}
