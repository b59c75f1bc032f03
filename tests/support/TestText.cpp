#include "TestText.h"

namespace kit_test {

std::string crlfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text.append(line).append("\r\n");
    return text;
}

std::string rightAligned(long long value, std::size_t width)
{
    const std::string digits = std::to_string(value);
    return std::string(width > digits.size() ? width - digits.size() : 0, ' ') + digits;
}

std::string field(std::string_view text, std::size_t width)
{
    std::string padded(text.substr(0, width));
    padded.resize(width, ' ');
    return padded;
}

} // namespace kit_test
