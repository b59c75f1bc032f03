#pragma once
// Writing a file from its start: the file is made anew, so it holds exactly what is written; what
// stood under its name before (a file, a link) is removed, never written through. Text lines end
// with CR LF. Opening, writing or closing that fails is a run-time failure: these files have no error
// path of their own.
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

class TextOutput {
public:
    TextOutput() = default;
    ~TextOutput();
    TextOutput(const TextOutput&) = delete;
    TextOutput& operator=(const TextOutput&) = delete;

    // Creates or rewrites the file; `name` in the program's own form ("\" separators).
    void create(std::string_view name);
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
    // Flushes and closes; nothing happens when the file is not open.
    void close();
    bool isOpen() const { return fd_ >= 0; }
    const std::string& name() const { return name_; }

private:
    static constexpr std::size_t kBufferSize = std::size_t{1} << 16;

    void writeBeyondBuffer(std::string_view bytes);
    void flushBuffer();
    void writeOut(const char* bytes, std::size_t size);

    int fd_ = -1;
    std::string name_;
    std::unique_ptr<char[]> buffer_ = std::make_unique<char[]>(kBufferSize);
    std::size_t used_ = 0;
};

} // namespace kit
