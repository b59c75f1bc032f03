#include "ORVStrngTTT.h"

#include <cctype>

std::size_t WordPosition(std::size_t StartPos, std::size_t N, const std::string& Text)
{
    const std::size_t length = Text.size();
    if (length == 0 || N == 0 || StartPos == 0 || StartPos > length) return 0;
    bool betweenWords = true;
    std::size_t found = 0;
    std::size_t p = StartPos - 1;
    while (found < N && p <= length) {
        ++p;
        const bool blank = p <= length && Text[p - 1] == ' ';
        if (betweenWords && !blank) {
            ++found;
            betweenWords = false;
        } else if (!betweenWords && blank) {
            betweenWords = true;
        }
    }
    return found == N ? p : 0;
}

std::string ExtractWords(std::size_t Index, std::size_t Count, const std::string& Text)
{
    if (Text.empty() || Index == 0 || Count == 0) return {};
    const std::size_t a = WordPosition(1, Index, Text);
    if (a == 0) return {};
    std::size_t b = WordPosition(a, Count + 1, Text);
    if (b != 0) {
        // b starts word Index + Count: step back over the blanks before it.
        do --b;
        while (b > 0 && Text[b - 1] == ' ');
    } else {
        b = Text.size();
    }
    if (a > Text.size() || b < a) return {};
    return Text.substr(a - 1, b - a + 1);
}

namespace {

bool ParseDigits(const std::string& text, std::size_t pos, unsigned base, std::uint64_t limit, std::uint64_t& value)
{
    if (pos >= text.size()) return false;
    value = 0;
    for (; pos < text.size(); ++pos) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        unsigned digit;
        if (std::isdigit(c)) digit = c - '0';
        else if (base == 16 && std::isxdigit(c)) digit = static_cast<unsigned>(std::tolower(c) - 'a' + 10);
        else return false;
        value = value * base + digit;
        if (value > limit) return false;
    }
    return true;
}

} // namespace

std::int32_t StrToIntOrZero(const std::string& Text)
{
    std::size_t pos = Text.find_first_not_of(' ');
    if (pos == std::string::npos) return 0;

    std::size_t hexDigits = std::string::npos;
    if (Text[pos] == '$' || Text[pos] == 'x' || Text[pos] == 'X') hexDigits = pos + 1;
    else if (Text.compare(pos, 2, "0x") == 0 || Text.compare(pos, 2, "0X") == 0) hexDigits = pos + 2;

    std::uint64_t value = 0;
    if (hexDigits != std::string::npos) {
        if (!ParseDigits(Text, hexDigits, 16, 0xFFFFFFFFu, value)) return 0;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    const bool negative = Text[pos] == '-';
    if (Text[pos] == '-' || Text[pos] == '+') ++pos;
    if (!ParseDigits(Text, pos, 10, negative ? 2147483648u : 2147483647u, value)) return 0;
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(value)) : static_cast<std::int32_t>(value);
}
