#pragma once
// Console lines as the kit's console programs write them: the line end comes in front of each
// line, so a line stays open until the next one (or the end of the run) closes it.
//   - the first line of a run begins with a carriage return alone on a terminal, with nothing
//     otherwise; every later line begins with CR LF;
//   - an overprinting line begins with a carriage return alone, so it overwrites the line before
//     (the first line of a run still follows the first-line rule);
//   - the last line gets its line end at the end of the run, or before anything else writes to
//     the terminal (standard error, a command the program runs).
// Numbers in a message: integers as plain digits; reals rounded to nine significant digits, fixed
// notation for magnitudes from 0.1 to below 1E9, exponent notation otherwise; a number that
// follows a text or another number gets one blank in front.
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace kit {

// Builds the text of one message line from texts and numbers.
class Message {
public:
    Message& operator<<(std::string_view text);
    Message& operator<<(const char* text) { return *this << std::string_view(text); }
    Message& operator<<(const std::string& text) { return *this << std::string_view(text); }
    Message& operator<<(std::int64_t value);
    Message& operator<<(int value) { return *this << static_cast<std::int64_t>(value); }
    Message& operator<<(double value);
    Message& operator<<(float value) { return *this << static_cast<double>(value); }

    const std::string& text() const { return text_; }

private:
    void blankBeforeNumber();
    std::string text_;
};

// A real in the console's form: "2.50000000", "5.00000007E-02".
std::string formatConsoleReal(double value);

class Console {
public:
    // `fd` -1 keeps everything in memory (tests read it with captured()).
    Console(int fd, bool isTerminal);
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    template <class... Pieces>
    void line(const Pieces&... pieces)
    {
        Message m;
        (m << ... << pieces);
        writeLine(m.text(), false);
    }
    template <class... Pieces>
    void overprint(const Pieces&... pieces)
    {
        Message m;
        (m << ... << pieces);
        writeLine(m.text(), true);
    }

    void writeLine(std::string_view text, bool overprinting);
    // Closes the open line with its line end (CR LF), if one is open.
    void endLastLine();
    // Hands what was written to the terminal or file (before a read of standard input).
    void flush();

    const std::string& captured() const { return buffer_; }

private:
    int fd_;
    bool isTerminal_;
    bool anyLine_ = false;
    bool lineOpen_ = false;
    std::string buffer_;
};

// The console on standard output.
Console& console();
// Lets a test put its own console in place of standard output's (nullptr restores it).
void setConsoleForTesting(Console* c);

// One line on standard error; the console's open line is closed first.
void errorLine(std::string_view text);

} // namespace kit
