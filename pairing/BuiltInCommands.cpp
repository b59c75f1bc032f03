#include "BuiltInCommands.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "Console.h"
#include "FileDescriptor.h"
#include "FileWriting.h"
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

int copyCommand(CommandWords& words)
{
    const CopyOperands operands = readCopyOperands(words);
    if (!operands.problem.empty())
        return failed(operands.problem);
    const std::vector<std::string>& sources = operands.sources;
    const std::optional<std::string>& destination = operands.destination;

    std::vector<FileDescriptor> inputs;
    std::vector<std::int64_t> sizes;
    InputFiles sourceFiles;
    for (const std::string& s : sources) {
        FileDescriptor in = openFile(s, O_RDONLY | O_CLOEXEC);
        struct stat st;
        if (in.get() < 0 || ::fstat(in.get(), &st) != 0)
            return failed("COPY: cannot open " + s + ": " + std::strerror(errno));
        if (!S_ISREG(st.st_mode))
            return failed("COPY: " + s + " is not a file");
        sourceFiles.add(FileIdentity{st.st_dev, st.st_ino});
        inputs.push_back(std::move(in));
        sizes.push_back(st.st_size);
    }

    // The copy takes the destination's name only once it is whole and on disk: a copy that fails
    // half way (a full disk) leaves the destination as it was, and the pieces joined into it may
    // be deleted once it has its name.
    ReplacingFile out;
    if (const int error = out.open(*destination, ReplacingFile::Links::Refuse)) {
        if (error == ELOOP)
            return failed("COPY: " + *destination + " is a link");
        if (error == EISDIR)
            return failed("COPY: " + *destination + " is a folder");
        return failed("COPY: cannot create " + *destination + ": " + std::strerror(error));
    }
    if (out.replacing() && sourceFiles.contains(*out.replacing()))
        return failed("COPY: " + *destination + " is also a source");
    // Every byte of every source goes in before the copy takes the name: a source that grew or
    // shrank while it was copied makes a copy that is not the join the run asked for.
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const std::int64_t copied = appendFile(out.descriptor(), inputs[i].get());
        if (copied < 0)
            return failed("COPY: cannot copy " + sources[i] + " to " + *destination + ": " +
                          std::strerror(errno));
        if (copied != sizes[i])
            return failed("COPY: " + sources[i] + " changed while it was copied to " + *destination);
    }
    if (const int error = out.commit(Sync::ToDisk))
        return failed("COPY: cannot create " + *destination + ": " + std::strerror(error));
    return 0;
}

int deleteCommand(CommandWords& words)
{
    const std::optional<std::string> name = words.name();
    if (!name)
        return failed("DEL: the file name is missing");
    if (!words.atEnd())
        return failed("DEL: unexpected text after " + *name);
    if (const int error = removeFile(*name))
        return failed("DEL: cannot delete " + *name + ": " + std::strerror(error));
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
