#include "PlainMacro.h"

namespace traxo {
namespace {

// Nine digits always fit 32 bits; longer numbers are left to the general read, which knows
// where the range ends.
constexpr std::ptrdiff_t kMostDigits = 9;

// Read a byte at a time: the fields are a few characters long, and wider loads gained nothing
// when measured.
inline void skipBlanks(const char*& at, const char* end)
{
    while (at != end && *at == ' ')
        ++at;
}

// An optional sign and one to nine digits, followed by a blank.
inline bool scanInteger(const char*& at, const char* end, std::int32_t& value)
{
    bool negative = false;
    if (at != end && (*at == '-' || *at == '+'))
        negative = *at++ == '-';
    const char* const digits = at;
    // Unsigned, so that the too long numbers turned away below may wrap on the way.
    std::uint32_t magnitude = 0;
    for (unsigned digit; at != end && (digit = static_cast<unsigned char>(*at) - unsigned{'0'}) <= 9; ++at)
        magnitude = magnitude * 10 + digit;
    const std::ptrdiff_t count = at - digits;
    if (count == 0 || count > kMostDigits || at == end || *at != ' ')
        return false;
    const auto whole = static_cast<std::int32_t>(magnitude);
    value = negative ? -whole : whole;
    return true;
}

} // namespace

bool scanPlainMacro(std::string_view line, MacroFields& fields)
{
    const char* at = line.data();
    const char* const end = at + line.size();
    skipBlanks(at, end);
    if (!scanInteger(at, end, fields.first))
        return false;
    skipBlanks(at, end);
    if (!scanInteger(at, end, fields.second))
        return false;
    skipBlanks(at, end);
    // Blanks, commas and tabs end the word; commas and tabs before it ask for the general read.
    const char* const word = at;
    while (at != end && *at != ' ' && *at != ',' && *at != '\t')
        ++at;
    if (at == word)
        return false;
    fields.word = {word, static_cast<std::size_t>(at - word)};
    return true;
}

} // namespace traxo
