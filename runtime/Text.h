#pragma once
// Fixed-length, blank-padded text, the way the console programs hold names, keys and answers.
// Assignment cuts or pads; comparison pads the shorter side with blanks, so trailing blanks
// never matter and leading blanks always do.
#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>

namespace kit {

// The text without its trailing blanks.
constexpr std::string_view trimRight(std::string_view s)
{
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ')
        --n;
    return s.substr(0, n);
}

// Equality of two texts of any lengths, the shorter one padded with blanks.
constexpr bool textEquals(std::string_view a, std::string_view b)
{
    return trimRight(a) == trimRight(b);
}

// Copies `from` into `to`, cut at its length or padded with blanks.
inline void assignText(std::span<char> to, std::string_view from)
{
    const std::size_t n = std::min(to.size(), from.size());
    std::copy_n(from.data(), n, to.data());
    std::fill(to.begin() + static_cast<std::ptrdiff_t>(n), to.end(), ' ');
}

template <std::size_t N>
class Text {
public:
    Text() { chars_.fill(' '); }
    Text(std::string_view s) { assign(s); } // NOLINT: a text value is made from any text
    Text& operator=(std::string_view s)
    {
        assign(s);
        return *this;
    }

    void assign(std::string_view s) { assignText(chars_, s); }

    static constexpr std::size_t size() { return N; }
    std::string_view view() const { return {chars_.data(), N}; }
    std::string_view trimmed() const { return trimRight(view()); }
    bool isBlank() const { return trimmed().empty(); }
    std::span<char> span() { return chars_; }
    char* data() { return chars_.data(); }
    char& operator[](std::size_t i) { return chars_[i]; }
    char operator[](std::size_t i) const { return chars_[i]; }

    friend bool operator==(const Text& a, std::string_view b) { return textEquals(a.view(), b); }

private:
    std::array<char, N> chars_;
};

// The pieces one after the other, the whole cut at N characters or padded with blanks: how the
// programs build full names ("folder" + "\\" + "name") into their name buffers.
template <std::size_t N>
Text<N> joinText(std::initializer_list<std::string_view> pieces)
{
    Text<N> t;
    std::size_t at = 0;
    for (std::string_view p : pieces) {
        const std::size_t n = std::min(p.size(), N - at);
        std::copy_n(p.data(), n, t.data() + at);
        at += n;
    }
    return t;
}

} // namespace kit
