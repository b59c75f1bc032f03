#include "PlotterCoordinates.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace traxo {
namespace {

constexpr int kNarrowest = -999;
constexpr int kWidest = 9999;

// Every four-column field, right-aligned with blanks on the left.
using FourColumns = std::array<char, 4>;
constexpr auto kFourColumnFields = [] {
    std::array<FourColumns, kWidest - kNarrowest + 1> fields{};
    for (int value = kNarrowest; value <= kWidest; ++value) {
        FourColumns& field = fields[static_cast<std::size_t>(value - kNarrowest)];
        int magnitude = value < 0 ? -value : value;
        int at = 4;
        do {
            field[static_cast<std::size_t>(--at)] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (value < 0)
            field[static_cast<std::size_t>(--at)] = '-';
        while (at > 0)
            field[static_cast<std::size_t>(--at)] = ' ';
    }
    return fields;
}();

char* writeFourColumns(char* out, int value)
{
    std::memcpy(out, kFourColumnFields[static_cast<std::size_t>(value - kNarrowest)].data(), 4);
    return out + 4;
}

} // namespace

double plotterCoordinate(std::int32_t value, double offset)
{
    const float single = static_cast<float>(kScale * value + offset);
    return std::round(static_cast<double>(single));
}

char* writeCoordinate(char* out, double wholeValue)
{
    if (wholeValue >= kNarrowest && wholeValue <= kWidest)
        return writeFourColumns(out, static_cast<int>(wholeValue));
    // Beyond 2^53 doubles are whole anyway; the fixed form with no decimals gives every digit.
    constexpr int kMostColumns = 48;
    if (std::fabs(wholeValue) < 9.0e18)
        return std::to_chars(out, out + kMostColumns, static_cast<std::int64_t>(wholeValue)).ptr;
    return std::to_chars(out, out + kMostColumns, wholeValue, std::chars_format::fixed, 0).ptr;
}

namespace {

// Kept out of line, so that the four-column road needs no stack frame of its own.
[[gnu::noinline]] char* writeWideCoordinate(char* out, std::int32_t value, double offset)
{
    return writeCoordinate(out, plotterCoordinate(value, offset));
}

} // namespace

char* writePlotterCoordinate(char* out, std::int32_t value, double offset)
{
    const float single = static_cast<float>(kScale * value + offset);
    // Exactly the values that round into -999 to 9999; NaN fails both tests.
    if (!(single > -999.5f && single < 9999.5f))
        return writeWideCoordinate(out, value, offset);
    // Halves away from zero without a branch on the fraction, which no predictor guesses:
    // adding the signed half is exact in double precision, and the cut goes towards zero.
    const double wide = single;
    return writeFourColumns(out, static_cast<int>(wide + std::copysign(0.5, wide)));
}

} // namespace traxo
