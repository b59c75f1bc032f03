#include "BuiltInCommands.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "Console.h"
#include "FileIdentity.h"
#include "HostPath.h"

namespace kit {

namespace {

int failed(const std::string& message)
{
    errorLine(message);
    return 1;
}

// Reads the words of a built-in command: names separated by blanks, sources joined by "+",
// a name holding blanks or "+" in double quotes.
class CommandWords {
public:
    explicit CommandWords(std::string_view text) : text_(text) {}

    void skipBlanks()
    {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }
    bool atEnd()
    {
        skipBlanks();
        return pos_ >= text_.size();
    }
    bool take(char c)
    {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    std::string word()
    {
        skipBlanks();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ' ')
            ++pos_;
        return std::string(text_.substr(start, pos_ - start));
    }
    // A name up to a blank or "+", or in double quotes; nothing when none is there.
    std::optional<std::string> name()
    {
        skipBlanks();
        if (pos_ >= text_.size())
            return std::nullopt;
        if (text_[pos_] == '"') {
            const std::size_t close = text_.find('"', pos_ + 1);
            if (close == std::string_view::npos || close == pos_ + 1)
                return std::nullopt;
            std::string n(text_.substr(pos_ + 1, close - pos_ - 1));
            pos_ = close + 1;
            return n;
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ' ' && text_[pos_] != '+')
            ++pos_;
        if (pos_ == start)
            return std::nullopt;
        return std::string(text_.substr(start, pos_ - start));
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The sources joined by "+", then the destination: what follows the word COPY.
CopyOperands readCopyOperands(CommandWords& words)
{
    CopyOperands operands;
    for (;;) {
        std::optional<std::string> source = words.name();
        if (!source) {
            operands.problem = "COPY: a source name is missing";
            return operands;
        }
        operands.sources.push_back(*source);
        if (!words.take('+'))
            break;
    }
    operands.destination = words.name();
    if (!operands.destination)
        operands.problem = "COPY: the destination name is missing";
    else if (!words.atEnd())
        operands.problem = "COPY: unexpected text after " + *operands.destination;
    return operands;
}

bool sameWord(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
        if (c != b[i])
            return false;
    }
    return true;
}

bool appendFile(int to, int from)
{
    // In-kernel copy where the file systems allow it, plain reads and writes otherwise.
    for (;;) {
        const ssize_t n = ::copy_file_range(from, nullptr, to, nullptr, 1 << 30, 0);
        if (n > 0)
            continue;
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
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(to, buffer.data() + done, static_cast<std::size_t>(n - done));
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            done += w;
        }
    }
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd(Fd&& o) noexcept : fd_(o.fd_) { o.fd_ = -1; }
    int get() const { return fd_; }

private:
    int fd_;
};

// A file being written under a temporary name beside `target`, which it replaces when committed;
// removed when it is not.
class PartialFile {
public:
    explicit PartialFile(std::string target) : target_(std::move(target))
    {
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            name_ = target_ + ".part" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
            fd_ = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST)
                break;
        }
    }
    ~PartialFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!committed_)
            ::unlink(name_.c_str());
    }
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int get() const { return fd_; }
    bool commit()
    {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 || ::rename(name_.c_str(), target_.c_str()) != 0)
            return false;
        committed_ = true;
        return true;
    }

private:
    std::string target_;
    std::string name_;
    int fd_ = -1;
    bool committed_ = false;
};

int copyCommand(CommandWords& words)
{
    const CopyOperands operands = readCopyOperands(words);
    if (!operands.problem.empty())
        return failed(operands.problem);
    const std::vector<std::string>& sources = operands.sources;
    const std::optional<std::string>& destination = operands.destination;

    std::vector<Fd> inputs;
    InputFiles sourceFiles;
    for (const std::string& s : sources) {
        Fd in(::open(hostPath(s).c_str(), O_RDONLY | O_CLOEXEC));
        struct stat st;
        if (in.get() < 0 || ::fstat(in.get(), &st) != 0)
            return failed("COPY: cannot open " + s + ": " + std::strerror(errno));
        if (!S_ISREG(st.st_mode))
            return failed("COPY: " + s + " is not a file");
        sourceFiles.add(FileIdentity{st.st_dev, st.st_ino});
        inputs.push_back(std::move(in));
    }

    const std::string target = hostPath(*destination);
    struct stat existing;
    if (::lstat(target.c_str(), &existing) == 0) {
        if (S_ISLNK(existing.st_mode))
            return failed("COPY: " + *destination + " is a link");
        if (S_ISDIR(existing.st_mode))
            return failed("COPY: " + *destination + " is a folder");
        if (sourceFiles.contains(FileIdentity{existing.st_dev, existing.st_ino}))
            return failed("COPY: " + *destination + " is also a source");
    }

    // The copy is made under a name of its own beside the destination and takes the
    // destination's name only once it is whole: a copy that fails half way (a full disk) leaves
    // the destination as it was.
    PartialFile out(target);
    if (!out.isOpen())
        return failed("COPY: cannot create " + *destination + ": " + std::strerror(errno));
    for (std::size_t i = 0; i < inputs.size(); ++i)
        if (!appendFile(out.get(), inputs[i].get()))
            return failed("COPY: cannot copy " + sources[i] + " to " + *destination + ": " + std::strerror(errno));
    if (!out.commit())
        return failed("COPY: cannot create " + *destination + ": " + std::strerror(errno));
    return 0;
}

int deleteCommand(CommandWords& words)
{
    const std::optional<std::string> name = words.name();
    if (!name)
        return failed("DEL: the file name is missing");
    if (!words.atEnd())
        return failed("DEL: unexpected text after " + *name);
    if (::unlink(hostPath(*name).c_str()) != 0)
        return failed("DEL: cannot delete " + *name + ": " + std::strerror(errno));
    return 0;
}

} // namespace

CopyOperands readCopyCommand(std::string_view text)
{
    CommandWords words(text);
    if (!sameWord(words.word(), "COPY"))
        return {.problem = "no COPY command"};
    return readCopyOperands(words);
}

std::optional<int> runBuiltInCommand(std::string_view text)
{
    CommandWords words(text);
    const std::string verb = words.word();
    if (sameWord(verb, "COPY"))
        return copyCommand(words);
    if (sameWord(verb, "DEL"))
        return deleteCommand(words);
    return std::nullopt;
}

} // namespace kit
