#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "FileWriting.h"
#include "HostPath.h"
#include "internal/FileSync.h"

namespace kit {

int syncFile(int fd)
{
    while (::fsync(fd) != 0)
        if (errno != EINTR)
            return errno;
    return 0;
}

void beginWritingToDisk(int fd)
{
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
}

int syncFolderOf(std::string_view path, int fileInFolder)
{
    const FileDescriptor folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isOpen())
        return errno == EACCES && ::syncfs(fileInFolder) == 0 ? 0 : errno;
    return syncFile(folder.get());
}

FileDescriptor openToSync(const char* path)
{
    // O_NONBLOCK: a FIFO put under the name must not hold the run; it is no file to sync.
    constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    FileDescriptor file(::open(path, O_RDONLY | kFlags));
    if (!file.isOpen() && errno == EACCES)
        file = FileDescriptor(::open(path, O_WRONLY | kFlags));
    return file;
}

int syncFileSystemOf(std::string_view name)
{
    const std::optional<std::string> path = hostPath(name);
    if (!path)
        return EINVAL;
    const FileDescriptor file = openToSync(path->c_str());
    if (!file.isOpen())
        return errno;
    return ::syncfs(file.get()) == 0 ? 0 : errno;
}

std::optional<std::int64_t> writtenFileSize(std::string_view name, Sync sync)
{
    const std::optional<std::string> path = hostPath(name);
    if (!path)
        return std::nullopt;
    struct stat st;
    if (sync != Sync::ToDisk) {
        if (::stat(path->c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            return std::nullopt;
        return st.st_size;
    }
    const FileDescriptor file = openToSync(path->c_str());
    if (!file.isOpen() || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        syncFile(file.get()) != 0 || syncFolderOf(*path, file.get()) != 0)
        return std::nullopt;
    return st.st_size;
}

} // namespace kit
