#include "Console.h"

#include <unistd.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "FileWriting.h"

namespace kit {

void Message::blankBeforeNumber()
{
    if (!text_.empty())
        text_ += ' ';
}

Message& Message::operator<<(std::string_view text)
{
    text_.append(text);
    return *this;
}

Message& Message::operator<<(std::int64_t value)
{
    blankBeforeNumber();
    std::array<char, 24> digits;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    text_.append(digits.data(), end);
    return *this;
}

Message& Message::operator<<(double value)
{
    blankBeforeNumber();
    text_ += formatConsoleReal(value);
    return *this;
}

std::string formatConsoleReal(double value)
{
    // Rounded to nine significant digits first: the notation goes by the magnitude the rounding
    // gives, so that 9.9999999999 shows as 10.0000000 and 999999999.6 in exponent notation.
    std::array<char, 64> out;
    int n = std::snprintf(out.data(), out.size(), "%.8E", value);
    if (value != 0.0 && std::isfinite(value)) {
        const int exponent = std::atoi(std::strchr(out.data(), 'E') + 1);
        if (exponent >= -1 && exponent < 9)
            n = std::snprintf(out.data(), out.size(), "%#.*f", 8 - exponent, value);
    }
    return {out.data(), static_cast<std::size_t>(n)};
}

Console::Console(int fd, bool isTerminal) : fd_(fd), isTerminal_(isTerminal) {}

Console::~Console()
{
    flush();
}

void Console::writeLine(std::string_view text, bool overprinting)
{
    if (!anyLine_) {
        if (isTerminal_)
            buffer_ += '\r';
        anyLine_ = true;
    } else if (overprinting) {
        buffer_ += '\r';
    } else if (lineOpen_) {
        buffer_ += "\r\n";
    }
    buffer_.append(text);
    lineOpen_ = true;
    if (fd_ >= 0 && buffer_.size() >= 1 << 16)
        flush();
}

void Console::endLastLine()
{
    if (lineOpen_) {
        buffer_ += "\r\n";
        lineOpen_ = false;
    }
    flush();
}

void Console::flush()
{
    if (fd_ < 0)
        return;
    // A write that fails (a closed or broken terminal) leaves nothing more to show.
    writeAll(fd_, buffer_);
    buffer_.clear();
}

namespace {
Console* testConsole = nullptr;
}

Console& console()
{
    static Console standardOutput(STDOUT_FILENO, ::isatty(STDOUT_FILENO) == 1);
    return testConsole ? *testConsole : standardOutput;
}

void setConsoleForTesting(Console* c)
{
    testConsole = c;
}

void errorLine(std::string_view text)
{
    console().endLastLine();
    std::string line(text);
    line += '\n';
    writeAll(STDERR_FILENO, line);
}

} // namespace kit
