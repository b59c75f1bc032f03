#include "vcl/Numbers.h"

#include "vcl/Exceptions.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vcl {

std::string DecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

namespace {

[[noreturn]] void notANumber(const std::string& text)
{
    throw EConvertError("'" + text + "' is not a valid floating point value");
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Moves `pos` past a run of digits, appending them to `out`; returns how many there were.
std::size_t takeDigits(const std::string& text, std::size_t& pos, std::string& out)
{
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos]))
        out += text[pos++];
    return pos - start;
}

} // namespace

long double StrToFloat(const std::string& text)
{
    const std::string separator = DecimalSeparator();
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';

    // Rebuilt in the one form that from_chars reads, whatever the user's separator is.
    std::string plain;
    std::size_t digits = takeDigits(text, pos, plain);
    if (!separator.empty() && text.compare(pos, separator.size(), separator) == 0) {
        pos += separator.size();
        plain += '.';
        digits += takeDigits(text, pos, plain);
    }
    if (digits == 0)
        notANumber(text);

    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        plain += 'e';
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            plain += text[pos++];
        if (takeDigits(text, pos, plain) == 0)
            notANumber(text);
    }

    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    if (pos != text.size())
        notANumber(text);

    long double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        notANumber(text);
    return negative ? -value : value;
}

std::string FloatToStr(long double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    // Rounding to 15 significant digits first decides the exponent, so 999999999999999.9
    // becomes 1E15 rather than a 16-digit fixed text.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14Le", std::fabs(value));
    const std::string scientific = buffer; // d.ddddddddddddddde[+-]x
    const std::size_t ePos = scientific.find('e');
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, ePos - 2);
    const int exponent = std::atoi(scientific.c_str() + ePos + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const std::string separator = DecimalSeparator();
    std::string result = value < 0 ? "-" : "";
    if (exponent < -5 || exponent >= 15) {
        result += digits[0];
        if (digits.size() > 1)
            result += separator + digits.substr(1);
        result += 'E';
        if (exponent < 0)
            result += '-';
        result += std::to_string(std::abs(exponent));
    } else if (exponent < 0) {
        result += "0" + separator + std::string(-exponent - 1, '0') + digits;
    } else {
        const std::size_t whole = exponent + 1;
        if (digits.size() <= whole) {
            result += digits + std::string(whole - digits.size(), '0');
        } else {
            result += digits.substr(0, whole) + separator + digits.substr(whole);
        }
    }
    return result;
}

} // namespace vcl
