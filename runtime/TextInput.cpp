#include "TextInput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Console.h"
#include "Failure.h"
#include "HostPath.h"
#include "ReadSome.h"

namespace kit {

namespace {
constexpr std::size_t kInitialBuffer = 1 << 16;
}

TextInput::TextInput() : buffer_(kInitialBuffer) {}

TextInput::~TextInput()
{
    close();
}

bool TextInput::open(std::string_view name)
{
    close();
    FileDescriptor file = openExistingFile(name);
    if (!file.isOpen())
        return false;
    attach(std::move(file), std::string(name));
    return true;
}

void TextInput::attach(int fd, std::string name)
{
    close();
    fd_ = fd;
    name_ = std::move(name);
}

void TextInput::attach(FileDescriptor fd, std::string name)
{
    attach(fd.get(), std::move(name));
    owned_ = std::move(fd);
}

void TextInput::close()
{
    owned_.close();
    fd_ = -1;
    atEnd_ = false;
    replay_ = false;
    lastCut_ = false;
    begin_ = end_ = 0;
    last_ = {};
}

bool TextInput::readLineSlowly(std::string_view& line, std::size_t keep)
{
    if (replay_) {
        replay_ = false;
        line = last_;
        return true;
    }
    if (fd_ < 0)
        return false;
    // `searched` bytes of the line are known to hold no LF (readLine has looked at all that the
    // buffer holds), so no byte is searched twice; once the line has grown past what is kept (and
    // the CR that may end it), the bytes after the kept part are dropped as they come.
    std::size_t searched = end_ - begin_;
    bool cut = false;
    const std::size_t held = keep == kWholeLine ? kWholeLine : keep + 1;
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const std::size_t available = end_ - begin_;
        if (const void* lf = std::memchr(start + searched, '\n', available - searched))
            return takeLineEndingAt(static_cast<const char*>(lf), cut, keep, line);
        if (atEnd_) {
            if (available == 0 && !cut)
                return false;
            begin_ = end_;
            lastCut_ = cut || available > keep;
            line = last_ = {start, lastCut_ ? keep : available};
            return true;
        }
        if (available > held) {
            cut = true;
            end_ = begin_ + keep;
        }
        searched = end_ - begin_;
        refill();
    }
}

void TextInput::stepBack()
{
    replay_ = true;
}

void TextInput::refill()
{
    // Keep the unread part of the current line and make room after it.
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size())
        buffer_.resize(buffer_.size() * 2);
    console().flush();
    const ssize_t n = readSome(fd_, buffer_.data() + end_, buffer_.size() - end_);
    if (n < 0)
        throw RuntimeFailure(FailureCode::FileError, name_ + ": read failed: " + std::strerror(errno));
    if (n == 0)
        atEnd_ = true;
    end_ += static_cast<std::size_t>(n);
}

TextInput& standardInput()
{
    static TextInput input;
    static const bool attached = [] {
        input.attach(STDIN_FILENO, "standard input");
        return true;
    }();
    (void)attached;
    return input;
}

} // namespace kit
