#include "Fifo.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace kit_test {

namespace {
using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(10);

void pause()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
}
} // namespace

FifoWriter::FifoWriter(std::filesystem::path path) : path_(std::move(path))
{
    if (::mkfifo(path_.c_str(), 0666) != 0)
        throw std::runtime_error("cannot make the FIFO " + path_.string());
}

FifoWriter::~FifoWriter()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void FifoWriter::feed(std::string_view bytes)
{
    const auto deadline = Clock::now() + kPatience;
    // Opening without waiting fails (ENXIO) until a reader has the FIFO open.
    while (fd_ < 0) {
        fd_ = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0 && (errno != ENXIO || Clock::now() > deadline))
            throw std::runtime_error("nobody reads the FIFO " + path_.string());
        if (fd_ < 0)
            pause();
    }
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno != EAGAIN)
            throw std::runtime_error("cannot write the FIFO " + path_.string());
        if (n > 0)
            bytes.remove_prefix(static_cast<std::size_t>(n));
        else
            pause();
    }
    for (int unread = 1; unread > 0;) {
        if (::ioctl(fd_, FIONREAD, &unread) != 0 || Clock::now() > deadline)
            throw std::runtime_error("the reader of " + path_.string() + " does not read");
        if (unread > 0)
            pause();
    }
}

} // namespace kit_test
