#include "DateTimeKey.h"

#include "PairingKey.h"
#include "JULIAN.h"

namespace belta {

float dateTimeKey(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour)
{
    return ::dateTimeKey(year, JULIAN(day, month, year), hour, 100.0);
}

} // namespace belta
