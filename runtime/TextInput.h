#pragma once
// Reading a text file (or standard input) line by line. A line ends at LF; a CR right before the
// LF belongs to the line end, so files written on either system read alike; a last line without
// a line end is still a line. The line end is never part of the line.
// Each reader says how much of a line it uses; the rest of a longer line is passed over as it is
// read, so memory stays bounded by what the readers keep, however long a line is.
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "FileDescriptor.h"

namespace kit {

class TextInput {
public:
    TextInput();
    ~TextInput();
    TextInput(const TextInput&) = delete;
    TextInput& operator=(const TextInput&) = delete;

    // Opens an existing file for reading; false when it is missing, unreadable or a folder.
    // The console is flushed first: opening a pipe waits for its writer.
    // `name` is the program's own form of the name ("\" separators, no trailing blanks).
    bool open(std::string_view name);
    // Reads from an already open descriptor: standard input is only borrowed; a descriptor the
    // caller opened itself may be handed over, to be closed with the input.
    void attach(int fd, std::string name);
    void attach(FileDescriptor fd, std::string name);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    const std::string& name() const { return name_; }
    int descriptor() const { return fd_; }

    static constexpr std::size_t kWholeLine = static_cast<std::size_t>(-1);

    // The next line, cut to its first `keep` characters, valid until the next call; false at the
    // end of the input. A failing read is a run-time failure. The console is flushed before every
    // read that may wait, so that the user sees what the program waits for.
    bool readLine(std::string_view& line, std::size_t keep = kWholeLine)
    {
        // The common case stays inline: a whole line already in the buffer.
        if (!replay_)
            if (const void* lf = std::memchr(buffer_.data() + begin_, '\n', end_ - begin_))
                return takeLineEndingAt(static_cast<const char*>(lf), false, keep, line);
        return readLineSlowly(line, keep);
    }
    // Whether the line just read was longer than what was kept of it.
    bool lastLineCut() const { return lastCut_; }
    // The next readLine delivers the line just read once more (as it was kept).
    void stepBack();

private:
    // Takes the line from the first unread byte up to the LF at `lf`; `cut` says that the bytes
    // past the kept part were dropped on the way (a CR among them no longer counts).
    bool takeLineEndingAt(const char* lf, bool cut, std::size_t keep, std::string_view& line)
    {
        const char* start = buffer_.data() + begin_;
        std::size_t length = static_cast<std::size_t>(lf - start);
        begin_ += length + 1;
        if (!cut && length > 0 && start[length - 1] == '\r')
            --length;
        lastCut_ = cut || length > keep;
        line = last_ = {start, lastCut_ ? keep : length};
        return true;
    }
    // The rest: a step back, a line that runs past the buffer, the end of the input.
    bool readLineSlowly(std::string_view& line, std::size_t keep);
    void refill();

    FileDescriptor owned_; // the descriptor read, when it was handed over
    int fd_ = -1;          // the descriptor read, handed over or borrowed
    bool atEnd_ = false;
    bool replay_ = false;
    bool lastCut_ = false;
    std::string name_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0; // first unread byte
    std::size_t end_ = 0;   // one past the last byte read from the descriptor
    std::string_view last_;
};

// Standard input.
TextInput& standardInput();

} // namespace kit
