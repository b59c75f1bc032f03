#pragma once
// What the targets share beside clang's FuzzedDataProvider, which takes an input apart: a
// check that aborts (so that libFuzzer, or ctest in a replay, reports the input) when a
// property fails, and the lines of a text as the kit's readers see them.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

namespace fuzz {

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
