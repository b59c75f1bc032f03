#pragma once
// From plot units to plotter units: a fixed single-precision scale and a running offset.
#include <cstdint>

namespace traxo {

// Plotter units per plot unit: the single-precision number nearest to 2.615. It is a whole
// multiple of 2^-22, so its products with 32-bit integers, and their sums with the offsets,
// are exact in double precision.
inline constexpr double kScale = static_cast<double>(2.615f);
static_assert(kScale == 2.6150000095367431640625);

// Where the plot's origin lands before any translation.
inline constexpr double kStartXOffset = 1046.0;
inline constexpr double kStartYOffset = -1046.0;

// scale * value + offset, rounded first to single precision (ties to even) and then to a whole
// number (halves away from zero). The result is a whole number held in a double, so that no
// offset, however far translations have pushed it, can overflow an integer conversion.
double plotterCoordinate(std::int32_t value, double offset);

// Writes a coordinate the way a pen command needs it and returns the end of what was written.
// A value from -999 to 9999 fills four columns, right-aligned; a wider one gets exactly the
// columns it needs, because four asterisks would be no number to the plotter. Writes at most
// 48 characters.
char* writeCoordinate(char* out, double wholeValue);

// writeCoordinate(out, plotterCoordinate(value, offset)), the same characters, with a shorter
// road for the coordinates that fit four columns, which are nearly all of them.
char* writePlotterCoordinate(char* out, std::int32_t value, double offset);

} // namespace traxo
