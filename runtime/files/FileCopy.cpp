#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "FileWriting.h"
#include "ReadSome.h"

namespace kit {

std::int64_t appendFile(int to, int from, std::int64_t most)
{
    // In-kernel copy where the file systems allow it, plain reads and writes otherwise. The copy
    // goes in steps, and the writing of each to disk is begun at once: a sync of the whole then
    // finds most of it written already.
    constexpr std::size_t kStep = std::size_t{8} << 20;
    std::int64_t copied = 0;
    const auto step = [&](std::size_t size) {
        return static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(size), most - copied));
    };
    for (off_t at = ::lseek(to, 0, SEEK_CUR); copied < most;) {
        const ssize_t n = ::copy_file_range(from, nullptr, to, nullptr, step(kStep), 0);
        if (n > 0) {
            ::sync_file_range(to, at, n, SYNC_FILE_RANGE_WRITE);
            at += n;
            copied += n;
            continue;
        }
        // Some file systems end an in-kernel copy early with 0: the reads below find the true end.
        if (n == 0)
            break;
        if (errno == EINTR)
            continue;
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)
            return -1;
        break;
    }
    // Most often only the read that finds the end comes here: the buffer is a small one, so that
    // no copy holds more memory than the in-kernel copy needs.
    char buffer[64 << 10];
    while (copied < most) {
        const ssize_t n = readSome(from, buffer, step(sizeof buffer));
        if (n <= 0)
            return n == 0 ? copied : -1;
        if (!writeAll(to, {buffer, static_cast<std::size_t>(n)}))
            return -1;
        copied += n;
    }
    return copied;
}

} // namespace kit
