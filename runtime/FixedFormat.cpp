#include "FixedFormat.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>

namespace kit {

namespace {

constexpr int kMaxDecimals = 18;

constexpr std::array<std::uint64_t, 20> kPow10 = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

void asterisks(char* out, int w)
{
    std::memset(out, '*', static_cast<std::size_t>(w));
}

// Writes the decimal digits of `v` backwards ending just before `end`; returns the first digit.
char* digitsBackwards(char* end, std::uint64_t v)
{
    do {
        *--end = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    return end;
}

int digitCount(std::uint64_t v)
{
    int n = 1;
    while (v >= 10) {
        v /= 10;
        ++n;
    }
    return n;
}

// |value| * 10^d rounded to an integer, exact halves away from zero, computed from the exact
// binary value (no rounding on the way). `value` must be finite and below 1E18 in magnitude.
unsigned __int128 scaledMagnitude(double value, int d)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(std::fabs(value));
    const int biased = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t mantissa = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int exponent = (biased == 0 ? 1 : biased) - 1075; // |value| = mantissa * 2^exponent

    const unsigned __int128 n =
        static_cast<unsigned __int128>(mantissa) * kPow10[static_cast<std::size_t>(d)];
    if (exponent >= 0)
        return n << exponent; // below 1E18 * 1E18 < 2^120
    const int shift = -exponent;
    if (shift >= 127)
        return 0; // n < 2^113: far below one half
    const unsigned __int128 one = 1;
    const unsigned __int128 q = n >> shift;
    const unsigned __int128 rest = n & ((one << shift) - 1);
    return rest >= (one << (shift - 1)) ? q + 1 : q;
}

} // namespace

void formatI(char* out, std::int64_t value, int w)
{
    std::array<char, 24> buf;
    char* end = buf.data() + buf.size();
    const bool negative = value < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char* first = digitsBackwards(end, magnitude);
    if (negative)
        *--first = '-';
    const int length = static_cast<int>(end - first);
    if (length > w)
        return asterisks(out, w);
    std::memset(out, ' ', static_cast<std::size_t>(w - length));
    std::memcpy(out + (w - length), first, static_cast<std::size_t>(length));
}

void formatF(char* out, double value, int w, int d)
{
    d = std::clamp(d, 0, kMaxDecimals);
    if (!std::isfinite(value) || std::fabs(value) >= 1e18)
        return asterisks(out, w);

    const unsigned __int128 scaled = scaledMagnitude(value, d);
    const std::uint64_t integerPart =
        static_cast<std::uint64_t>(scaled / kPow10[static_cast<std::size_t>(d)]);
    const std::uint64_t fractionPart =
        static_cast<std::uint64_t>(scaled % kPow10[static_cast<std::size_t>(d)]);
    const bool minus = std::signbit(value) && scaled != 0;

    // Sign, integer digits, point, decimals; the 0 of a value below 1 only where it fits.
    const int integerDigits = integerPart == 0 ? 0 : digitCount(integerPart);
    int length = (minus ? 1 : 0) + integerDigits + 1 + d;
    const bool leadingZero = integerPart == 0 && length < w;
    if (leadingZero)
        ++length;
    if (length > w)
        return asterisks(out, w);

    char* end = out + w;
    char* p = end;
    if (d > 0) {
        p -= d;
        std::uint64_t f = fractionPart;
        for (int i = d - 1; i >= 0; --i) {
            p[i] = static_cast<char>('0' + f % 10);
            f /= 10;
        }
    }
    *--p = '.';
    if (integerDigits > 0)
        p = digitsBackwards(p, integerPart);
    else if (leadingZero)
        *--p = '0';
    if (minus)
        *--p = '-';
    std::memset(out, ' ', static_cast<std::size_t>(p - out));
}

void formatA(char* out, std::string_view text, int w)
{
    const auto width = static_cast<std::size_t>(w);
    if (text.size() >= width) {
        std::memcpy(out, text.data(), width);
        return;
    }
    std::memset(out, ' ', width - text.size());
    std::memcpy(out + (width - text.size()), text.data(), text.size());
}

char* Record::grow(int w)
{
    const std::size_t at = text_.size();
    text_.resize(at + static_cast<std::size_t>(w));
    return text_.data() + at;
}

Record& Record::I(std::int64_t value, int w)
{
    formatI(grow(w), value, w);
    return *this;
}

Record& Record::F(double value, int w, int d)
{
    formatF(grow(w), value, w, d);
    return *this;
}

Record& Record::A(std::string_view text, int w)
{
    formatA(grow(w), text, w);
    return *this;
}

} // namespace kit
