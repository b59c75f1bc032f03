#include "PlotterCoordinates.h"

#include <charconv>
#include <cmath>

#include "FixedFormat.h"

namespace traxo {

double plotterCoordinate(std::int32_t value, double offset)
{
    const float single = static_cast<float>(kScale * value + offset);
    return std::round(static_cast<double>(single));
}

char* writeCoordinate(char* out, double wholeValue)
{
    constexpr int kField = 4;
    if (wholeValue >= -999.0 && wholeValue <= 9999.0) {
        kit::formatI(out, static_cast<std::int64_t>(wholeValue), kField);
        return out + kField;
    }
    // Beyond 2^53 doubles are whole anyway; the fixed form with no decimals gives every digit.
    constexpr int kMostColumns = 48;
    if (std::fabs(wholeValue) < 9.0e18)
        return std::to_chars(out, out + kMostColumns, static_cast<std::int64_t>(wholeValue)).ptr;
    return std::to_chars(out, out + kMostColumns, wholeValue, std::chars_format::fixed, 0).ptr;
}

} // namespace traxo
