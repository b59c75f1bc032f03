// The viewer's word functions on arbitrary texts and positions: nothing may crash, a word
// range is always a piece of the text that begins and ends with a non-blank, and a number is
// read only from a text that is one.
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzInput.h"
#include "ORVStrngTTT.h"

namespace {

// The words of `text`, as the viewer counts them: only the blank separates.
std::size_t wordCount(const std::string& text)
{
    std::size_t n = 0;
    bool between = true;
    for (char c : text) {
        if (c != ' ' && between)
            ++n;
        between = c == ' ';
    }
    return n;
}

void checkExtract(std::size_t index, std::size_t count, const std::string& text)
{
    const std::string words = ExtractWords(index, count, text);
    if (index == 0 || count == 0 || index > wordCount(text)) {
        FUZZ_CHECK(words.empty());
        return;
    }
    FUZZ_CHECK(!words.empty());
    FUZZ_CHECK(words.front() != ' ');
    FUZZ_CHECK(text.find(words) != std::string::npos);
    // The end of the text counts as one more word start, so a range that ends at the last word
    // loses the blanks after it; one that asks for two or more words beyond the last runs to the
    // end of the text, its trailing blanks included.
    if (wordCount(text) + 1 >= index + count)
        FUZZ_CHECK(words.back() != ' ');
    else
        FUZZ_CHECK(text.ends_with(words));
    // count words from index, or all that are left
    const std::size_t expected = std::min(count, wordCount(text) - index + 1);
    FUZZ_CHECK(wordCount(words) == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::size_t start = input.ConsumeIntegral<std::uint8_t>();
    const std::size_t index = input.ConsumeIntegral<std::uint8_t>() % 40;
    const std::size_t count = input.ConsumeIntegral<std::uint8_t>() % 40;
    const std::string text = input.ConsumeRemainingBytesAsString();

    const std::size_t at = WordPosition(start, index, text);
    FUZZ_CHECK(at <= text.size() + 1);
    if (at != 0 && at <= text.size())
        FUZZ_CHECK(text[at - 1] != ' ');

    checkExtract(index, count, text);
    checkExtract(1, 1, text);
    checkExtract(5, 12, text);
    checkExtract(index, 1, text);

    const std::int32_t value = StrToIntOrZero(text);
    if (value != 0)
        FUZZ_CHECK(text.find_first_not_of(" +-$xX0123456789abcdefABCDEF") == std::string::npos);
    return 0;
}
