#include "ORVStrngTTT.h"

#include <cctype>
#include <charconv>

std::size_t WordPosition(std::size_t StartPos, std::size_t N, const std::string& Text)
{
    const std::size_t length = Text.size();
    if (length == 0 || N == 0 || StartPos == 0 || StartPos > length)
        return 0;
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
    if (Text.empty() || Index == 0 || Count == 0)
        return {};
    const std::size_t a = WordPosition(1, Index, Text);
    if (a == 0)
        return {};
    std::size_t b = WordPosition(a, Count + 1, Text);
    if (b != 0) {
        // b starts word Index + Count: step back over the blanks before it.
        do
            --b;
        while (b > 0 && Text[b - 1] == ' ');
    } else {
        b = Text.size();
    }
    if (a > Text.size() || b < a)
        return {};
    return Text.substr(a - 1, b - a + 1);
}

namespace {

// The whole of [first, last) as a number of type T in `base`; false for anything else.
template <class T>
bool parseWhole(const char* first, const char* last, int base, T& value)
{
    const auto [end, ec] = std::from_chars(first, last, value, base);
    return ec == std::errc() && end == last;
}

} // namespace

std::int32_t StrToIntOrZero(const std::string& Text)
{
    std::size_t pos = Text.find_first_not_of(' ');
    if (pos == std::string::npos)
        return 0;

    std::size_t hexDigits = std::string::npos;
    if (Text[pos] == '$' || Text[pos] == 'x' || Text[pos] == 'X')
        hexDigits = pos + 1;
    else if (Text.compare(pos, 2, "0x") == 0 || Text.compare(pos, 2, "0X") == 0)
        hexDigits = pos + 2;

    const char* last = Text.data() + Text.size();
    if (hexDigits != std::string::npos) {
        // Unsigned, so that no sign is read; 32 bits, which stand for a negative number when
        // the highest is set.
        std::uint32_t bits = 0;
        if (!parseWhole(Text.data() + hexDigits, last, 16, bits))
            return 0;
        return static_cast<std::int32_t>(bits);
    }
    // from_chars reads a minus but no plus: a plus is passed over when a digit follows it.
    const char* first = Text.data() + pos;
    if (*first == '+' && last - first > 1 && std::isdigit(static_cast<unsigned char>(first[1])))
        ++first;
    std::int32_t value = 0;
    return parseWhole(first, last, 10, value) ? value : 0;
}
