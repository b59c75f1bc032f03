#include "FreeFormat.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kit {

namespace {

// Tabs separate values like blanks do, so that hand-edited files read as they look.
inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

inline bool isDelimiter(char c)
{
    return c == ' ' || c == ',' || c == '\t';
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool parseInt32(std::string_view t, std::int32_t& value)
{
    // from_chars reads a minus but no plus: a plus is passed over when a digit follows it.
    if (t.size() > 1 && t[0] == '+' && isDigit(t[1]))
        t.remove_prefix(1);
    std::int32_t v;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size())
        return false;
    value = v;
    return true;
}

// Checks the form of a real: sign, digits with at most one point (at least one digit),
// optional exponent letter E, e, D or d with optional sign and at least one digit.
// Returns the position of the exponent letter (t.size() when there is none), or npos.
std::size_t realShape(std::string_view t)
{
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (isDigit(t[i]))
            ++digits;
        else if (t[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return std::string_view::npos;
    if (i == t.size())
        return i;
    const std::size_t letter = i;
    if (t[i] != 'E' && t[i] != 'e' && t[i] != 'D' && t[i] != 'd')
        return std::string_view::npos;
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    if (i == t.size())
        return std::string_view::npos;
    for (; i < t.size(); ++i)
        if (!isDigit(t[i]))
            return std::string_view::npos;
    return letter;
}

// For a real of valid shape that a float cannot hold: whether it is too small (rather than too
// large). Decided from the decimal exponent of its first significant digit, since the value may be
// beyond a double's range too (1E400 or 1E-400); the magnitudes in between go through a double.
bool tooSmallForFloat(std::string_view t)
{
    std::size_t i = t[0] == '-' || t[0] == '+' ? 1 : 0;
    std::int64_t digitsBeforePoint = 0; // significant digits before the point
    std::int64_t zerosAfterPoint = 0;   // zeros between the point and the first significant digit
    bool point = false;
    bool significant = false;
    for (; i < t.size() && (isDigit(t[i]) || t[i] == '.'); ++i) {
        if (t[i] == '.')
            point = true;
        else if (t[i] != '0' || significant) {
            significant = true;
            if (!point)
                ++digitsBeforePoint;
        } else if (point) {
            ++zerosAfterPoint;
        }
    }
    if (!significant)
        return true;
    std::int64_t exponent = 0;
    if (i < t.size()) {
        ++i; // the exponent letter
        const bool negative = t[i] == '-';
        if (t[i] == '-' || t[i] == '+')
            ++i;
        // Capped far beyond any count of digits a line may hold, so that the sum cannot overflow.
        for (; i < t.size() && exponent < 1'000'000'000'000; ++i)
            exponent = exponent * 10 + (t[i] - '0');
        if (negative)
            exponent = -exponent;
    }
    // The first significant digit stands at 10^magnitude.
    const std::int64_t magnitude =
        (digitsBeforePoint > 0 ? digitsBeforePoint - 1 : -(zerosAfterPoint + 1)) + exponent;
    return magnitude < 0;
}

bool parseFloat(std::string_view t, float& value)
{
    const std::size_t letter = realShape(t);
    if (letter == std::string_view::npos)
        return false;

    // The standard conversion knows no "+" in front and no D exponent: rewrite those rare forms.
    std::string_view text = t;
    thread_local std::string rewritten;
    if (t[0] == '+' || (letter < t.size() && (t[letter] == 'D' || t[letter] == 'd'))) {
        rewritten.assign(t[0] == '+' ? t.substr(1) : t);
        const std::size_t at = letter - (t[0] == '+' ? 1 : 0);
        if (at < rewritten.size())
            rewritten[at] = 'e';
        text = rewritten;
    }

    float v = 0.0f;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // Too small for a float is zero; too large is an error.
        if (!tooSmallForFloat(text))
            return false;
        v = text[0] == '-' ? -0.0f : 0.0f;
    } else if (ec != std::errc() || end != text.data() + text.size()) {
        return false;
    }
    value = v;
    return true;
}

} // namespace

FieldScanner::Result FieldScanner::token(std::string_view& tok)
{
    for (;;) {
        while (pos_ < line_.size() && isBlank(line_[pos_]))
            ++pos_;
        if (pos_ >= line_.size())
            return cut_ ? Result::Bad : Result::Exhausted;
        if (line_[pos_] == ',') {
            ++pos_;
            if (afterValue_) { // the comma that separates two values
                afterValue_ = false;
                continue;
            }
            return Result::Null; // a second comma, or one that opens the record
        }
        const std::size_t start = pos_;
        while (pos_ < line_.size() && !isDelimiter(line_[pos_]))
            ++pos_;
        if (pos_ == line_.size() && cut_)
            return Result::Bad;
        tok = line_.substr(start, pos_ - start);
        afterValue_ = true;
        return Result::Value;
    }
}

FieldScanner::Result FieldScanner::next(std::int32_t& value)
{
    std::string_view t;
    const Result r = token(t);
    if (r != Result::Value)
        return r;
    return parseInt32(t, value) ? Result::Value : Result::Bad;
}

FieldScanner::Result FieldScanner::next(float& value)
{
    std::string_view t;
    const Result r = token(t);
    if (r != Result::Value)
        return r;
    return parseFloat(t, value) ? Result::Value : Result::Bad;
}

FieldScanner::Result FieldScanner::next(std::span<char> text)
{
    std::string_view t;
    const Result r = token(t);
    if (r == Result::Value)
        assignText(text, t);
    return r;
}

} // namespace kit
