#include "vcl/TextFile.h"

#include "vcl/IoErrors.h"

#include "FileDescriptor.h"
#include "ReadSome.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace vcl {

namespace {

constexpr char kEndOfFile = 26;

} // namespace

TextFile::TextFile(const std::string& fileName)
{
    const kit::FileDescriptor file(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.isOpen())
        throw IoError(errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        throw IoError(errno);
    if (S_ISDIR(info.st_mode))
        throw IoError(EISDIR);
    char buffer[65536];
    for (;;) {
        const ssize_t got = kit::readSome(file.get(), buffer, sizeof buffer);
        if (got < 0)
            throw IoError(errno);
        if (got == 0)
            break;
        text_.append(buffer, static_cast<std::size_t>(got));
    }
    const auto end = text_.find(kEndOfFile);
    if (end != std::string::npos)
        text_.resize(end);
}

std::string TextFile::ReadLn()
{
    if (Eof())
        return {};
    const auto cr = text_.find('\r', pos_);
    const std::size_t end = cr == std::string::npos ? text_.size() : cr;
    std::string line = text_.substr(pos_, end - pos_);
    pos_ = end;
    if (pos_ < text_.size()) {
        ++pos_; // the CR
        if (pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
    }
    return line;
}

} // namespace vcl
