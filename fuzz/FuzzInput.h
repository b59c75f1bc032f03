#pragma once
// Takes a fuzz input apart: small numbers from its front, the rest as bytes; and a check that
// aborts (so that libFuzzer, or ctest in a replay, reports the input) when a property fails.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                 \
    do {                                                                                      \
        if (!(condition)) {                                                                   \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                     \
        }                                                                                     \
    } while (0)

namespace fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // The next byte, 0 once the input is used up.
    std::uint8_t byte()
    {
        return at_ < size_ ? data_[at_++] : 0;
    }
    // A number of `bytes` bytes, little end first.
    std::uint64_t number(int bytes)
    {
        std::uint64_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v |= static_cast<std::uint64_t>(byte()) << (8 * i);
        return v;
    }
    // Up to `most` bytes.
    std::string_view bytes(std::size_t most)
    {
        const std::size_t n = most < size_ - at_ ? most : size_ - at_;
        const std::string_view s(reinterpret_cast<const char*>(data_ + at_), n);
        at_ += n;
        return s;
    }
    std::string_view rest() { return bytes(size_ - at_); }
    bool empty() const { return at_ >= size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// The lines of `text` as a text reader sees them: split at LF, a CR before the LF dropped,
// a last line without LF kept. Calls `f` for each.
template <class F>
void forEachLine(std::string_view text, F f)
{
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        f(line);
        if (lf == std::string_view::npos)
            break;
        text.remove_prefix(lf + 1);
    }
}

} // namespace fuzz
