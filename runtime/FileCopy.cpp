#include "FileCopy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "ReadSome.h"
#include "WriteAll.h"

namespace kit {

bool appendFile(int to, int from)
{
    // In-kernel copy where the file systems allow it, plain reads and writes otherwise. The copy
    // goes in steps, and the writing of each to disk is begun at once: a sync of the whole then
    // finds most of it written already.
    constexpr std::size_t kStep = std::size_t{8} << 20;
    for (off_t at = ::lseek(to, 0, SEEK_CUR);;) {
        const ssize_t n = ::copy_file_range(from, nullptr, to, nullptr, kStep, 0);
        if (n > 0) {
            ::sync_file_range(to, at, n, SYNC_FILE_RANGE_WRITE);
            at += n;
            continue;
        }
        if (n == 0)
            return true;
        if (errno == EINTR)
            continue;
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)
            return false;
        break;
    }
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t n = readSome(from, buffer.data(), buffer.size());
        if (n <= 0)
            return n == 0;
        if (!writeAll(to, {buffer.data(), static_cast<std::size_t>(n)}))
            return false;
    }
}

} // namespace kit
