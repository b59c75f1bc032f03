#include "vcl/IoErrors.h"

#include <cerrno>

namespace vcl {

std::string IoErrorMessage(int errnoValue)
{
    switch (errnoValue) {
    case ENOENT:
    case ENOTDIR:
        return "File not found";
    case EACCES:
    case EPERM:
    case EISDIR:
        return "File access denied";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case ENAMETOOLONG:
        return "Invalid filename";
    case ENOSPC:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(errnoValue);
    }
}

EInOutError IoError(int errnoValue)
{
    return EInOutError(errnoValue, IoErrorMessage(errnoValue));
}

} // namespace vcl
