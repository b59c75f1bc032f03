#include "PlainMacro.h"

namespace traxo {
namespace {

// Nine digits always fit 32 bits; longer numbers are left to the general read, which knows
// where the range ends.
constexpr int kMostDigits = 9;

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Separators other than the blank ask for the general read.
inline bool isOtherDelimiter(char c)
{
    return c == ',' || c == '\t';
}

void skipBlanks(std::string_view line, std::size_t& at)
{
    while (at < line.size() && line[at] == ' ')
        ++at;
}

// An optional sign and one to nine digits, followed by a blank.
bool scanInteger(std::string_view line, std::size_t& at, std::int32_t& value)
{
    bool negative = false;
    if (at < line.size() && (line[at] == '-' || line[at] == '+'))
        negative = line[at++] == '-';
    const std::size_t firstDigit = at;
    std::int32_t magnitude = 0;
    while (at < line.size() && isDigit(line[at])) {
        if (at - firstDigit == kMostDigits)
            return false;
        magnitude = magnitude * 10 + (line[at++] - '0');
    }
    if (at == firstDigit || at == line.size() || line[at] != ' ')
        return false;
    value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

bool scanPlainMacro(std::string_view line, MacroFields& fields)
{
    std::size_t at = 0;
    skipBlanks(line, at);
    if (!scanInteger(line, at, fields.first))
        return false;
    skipBlanks(line, at);
    if (!scanInteger(line, at, fields.second))
        return false;
    skipBlanks(line, at);
    const std::size_t wordStart = at;
    while (at < line.size() && line[at] != ' ' && !isOtherDelimiter(line[at]))
        ++at;
    if (at == wordStart)
        return false;
    fields.word = line.substr(wordStart, at - wordStart);
    return true;
}

} // namespace traxo
