#pragma once
// An open file descriptor with one owner, which closes it once: when the owner ends, or earlier
// by close(). Header-only, so that the viewer, which links none of the console run-time layer,
// owns its descriptors the same way.
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace kit {

class FileDescriptor {
public:
    FileDescriptor() = default;
    // Takes `fd` over; -1 (a failed open) makes an owner of nothing.
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { close(); }
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept
    {
        if (this != &other) {
            close();
            fd_ = other.release();
        }
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int get() const { return fd_; }
    // Lets go of the descriptor without closing it: for one held until the process ends.
    int release() { return std::exchange(fd_, -1); }
    // Closes it now: 0, or the errno value of a failing close (a write that only now turns out to
    // have failed). Nothing happens when nothing is owned.
    int close()
    {
        if (fd_ < 0)
            return 0;
        return ::close(std::exchange(fd_, -1)) == 0 ? 0 : errno;
    }

private:
    int fd_ = -1;
};

} // namespace kit
