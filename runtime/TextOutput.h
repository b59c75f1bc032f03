#pragma once
// Writing a file from its start: the file is made anew, so it holds exactly what is written, and
// takes the place of what stood under its name (a file, a link: replaced, never written through)
// when it is closed (see FileWriting.h). Text lines end with CR LF. Opening, writing or closing
// that fails is a run-time failure: these files have no error path of their own.
//
// A run that ends while the file is open (a stop, or a run-time failure of another file) keeps
// what was written so far, as files already written stay on disk; a write of this file that
// fails keeps the older file instead, since the new one is not what the run meant to write.
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "FileWriting.h"

namespace kit {

class TextOutput {
public:
    TextOutput() = default;
    ~TextOutput();
    TextOutput(const TextOutput&) = delete;
    TextOutput& operator=(const TextOutput&) = delete;

    // Creates or rewrites the file; `name` in the program's own form ("\" separators). `sync`
    // says what close() does to put the file on disk.
    void create(std::string_view name, Sync sync = Sync::None);
    void write(std::string_view bytes)
    {
        // The common case stays inline: the bytes fit in the buffer.
        if (bytes.size() > kBufferSize - used_)
            return writeBeyondBuffer(bytes);
        std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
        used_ += bytes.size();
    }
    void writeLine(std::string_view text)
    {
        write(text);
        write("\r\n");
    }
    // Flushes and closes: the file takes its name. Nothing happens when it is not open.
    void close();
    // Drops what was written: whatever stood under the name stays.
    void discard();
    bool isOpen() const { return file_.isOpen(); }
    const std::string& name() const { return name_; }

private:
    static constexpr std::size_t kBufferSize = std::size_t{1} << 16;

    void writeBeyondBuffer(std::string_view bytes);
    void flushBuffer();
    void writeOut(const char* bytes, std::size_t size);

    [[noreturn]] void fail(const char* what, int error);

    ReplacingFile file_;
    Sync sync_ = Sync::None;
    std::string name_;
    std::unique_ptr<char[]> buffer_ = std::make_unique<char[]>(kBufferSize);
    std::size_t used_ = 0;
};

} // namespace kit
