#include "TextOutput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Failure.h"
#include "HostPath.h"

namespace kit {

namespace {

[[noreturn]] void fail(const std::string& name, const char* what, int error)
{
    throw RuntimeFailure(FailureCode::FileError, name + ": " + what + ": " + std::strerror(error));
}
} // namespace

TextOutput::~TextOutput()
{
    // A stop unwinds through here: what was written must stay on disk.
    try {
        close();
    } catch (const RuntimeFailure&) {
        if (fd_ >= 0)
            ::close(fd_);
    }
}

void TextOutput::create(std::string_view name)
{
    close();
    name_ = name;
    if (name.find('\0') != std::string_view::npos)
        fail(name_, "cannot open for writing", EINVAL);
    // What stands under the name goes first and the file is made anew, exclusively: a link
    // planted in its place is never written through, and another name of the same file keeps
    // what it holds.
    const std::string path = hostPath(name);
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        fail(name_, "cannot open for writing", errno);
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0)
        fail(name_, "cannot open for writing", errno);
}

void TextOutput::writeBeyondBuffer(std::string_view bytes)
{
    flushBuffer();
    if (bytes.size() >= kBufferSize) {
        writeOut(bytes.data(), bytes.size());
        return;
    }
    std::memcpy(buffer_.get(), bytes.data(), bytes.size());
    used_ = bytes.size();
}

void TextOutput::flushBuffer()
{
    const std::size_t size = used_;
    used_ = 0;  // a failed write loses the rest: the run ends there
    writeOut(buffer_.get(), size);
}

void TextOutput::writeOut(const char* bytes, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd_, bytes + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(name_, "write failed", errno);
        }
        done += static_cast<std::size_t>(n);
    }
}

void TextOutput::close()
{
    if (fd_ < 0)
        return;
    flushBuffer();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        fail(name_, "close failed", errno);
}

} // namespace kit
