#include "PlotterCoordinates.h"

#include <charconv>
#include <cmath>

namespace traxo {

double plotterCoordinate(std::int32_t value, double offset)
{
    const float single = static_cast<float>(kScale * value + offset);
    return std::round(static_cast<double>(single));
}

char* writeCoordinate(char* out, double wholeValue)
{
    if (wholeValue >= -999.0 && wholeValue <= 9999.0) {
        // Every pen command passes here: right-aligned digits, blanks on the left.
        int value = static_cast<int>(wholeValue);
        const bool negative = value < 0;
        if (negative)
            value = -value;
        char* at = out + 4;
        do {
            *--at = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
        if (negative)
            *--at = '-';
        while (at != out)
            *--at = ' ';
        return out + 4;
    }
    // Beyond 2^53 doubles are whole anyway; the fixed form with no decimals gives every digit.
    constexpr int kMostColumns = 48;
    if (std::fabs(wholeValue) < 9.0e18)
        return std::to_chars(out, out + kMostColumns, static_cast<std::int64_t>(wholeValue)).ptr;
    return std::to_chars(out, out + kMostColumns, wholeValue, std::chars_format::fixed, 0).ptr;
}

} // namespace traxo
