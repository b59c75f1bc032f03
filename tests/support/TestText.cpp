#include "TestText.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace kit_test {

Lines operator+(Lines a, const Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

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

void writeLongLine(const std::filesystem::path& file, std::string_view head, std::size_t length,
                   std::string_view tail)
{
    std::ofstream out(file, std::ios::binary);
    out << head;
    const std::string piece(1 << 20, 'x');
    for (std::size_t left = length; left > 0;) {
        const std::size_t n = std::min(left, piece.size());
        out.write(piece.data(), static_cast<std::streamsize>(n));
        left -= n;
    }
    out << tail;
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

} // namespace kit_test
