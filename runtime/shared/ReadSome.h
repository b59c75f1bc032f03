#pragma once
// One read from a descriptor, tried again when a signal interrupts it before it has read anything.
// Header-only, so that the viewer reads its files the same way.
#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace kit {

// What read(2) gives: the number of bytes read, 0 at the end, -1 (errno set) when it fails.
inline ssize_t readSome(int fd, char* into, std::size_t size)
{
    ssize_t n;
    do {
        n = ::read(fd, into, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

} // namespace kit
