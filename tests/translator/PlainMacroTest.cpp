#include <gtest/gtest.h>

#include <string>

#include "FreeFormat.h"
#include "LineTranslation.h"
#include "PlainMacro.h"

namespace traxo {
namespace {

// What the free-format read of two integers and a 20-character word makes of the line, or
// nothing when that read does not give all three values.
struct GeneralRead {
    bool complete = false;
    std::int32_t first = 0;
    std::int32_t second = 0;
    std::string word;
};

GeneralRead generalRead(std::string_view line)
{
    GeneralRead read;
    kit::FieldScanner scanner(line);
    kit::Text<20> word;
    using Result = kit::FieldScanner::Result;
    read.complete = scanner.next(read.first) == Result::Value && scanner.next(read.second) == Result::Value &&
        scanner.next(word) == Result::Value;
    read.word = word.trimmed();
    return read;
}

TEST(PlainMacro, TakesThePlainShapeAsTheGeneralReadDoes)
{
    const char* const lines[] = {
        "0 0 M",
        "100 200 L",
        "-400 400 translate",
        "  7   -8   L   and more words",
        "+5 -0 M",
        "007 -0009 L",
        "999999999 -999999999 M",
        "1 2 M,30", // a comma after the word ends it
        "1 2 L\t3",
        "1 2 averyveryverylongmacroword",              // longer than the 20 characters kept
        "1 2 \x01M\x7f",                               // only blanks, commas and tabs end a word
        "                                   1 2 Mzzz", // cut at column 40 to "M"
    };
    for (const char* text : lines) {
        SCOPED_TRACE(text);
        const Line line(text);
        MacroFields plain;
        ASSERT_TRUE(scanPlainMacro(line.view(), plain));
        const GeneralRead read = generalRead(line.view());
        ASSERT_TRUE(read.complete);
        EXPECT_EQ(plain.first, read.first);
        EXPECT_EQ(plain.second, read.second);
        EXPECT_EQ(std::string(plain.word.substr(0, 20)), read.word);
    }
}

TEST(PlainMacro, LeavesEveryOtherShapeToTheGeneralRead)
{
    const char* const lines[] = {
        "",    // no values
        "1 2", // no word
        "1",
        "1,2,M", // commas, tabs and empty values
        "1 ,2 M",
        "1 2 ,M",
        ",30,M",
        "1\t2 M",
        "1 2\tM",
        "\t1 2 M",
        "1000000000 0 M", // ten digits: the range is the general read's to judge
        "2147483648 0 M",
        "0 -2147483649 M",
        "1.5 2 M", // not integers
        "1e3 2 M",
        "- 2 M",
        "+ 2 M",
        "12a 3 M",
        "M 1 2",
        "1 2\x01 M",
    };
    for (const char* text : lines) {
        SCOPED_TRACE(text);
        MacroFields plain;
        EXPECT_FALSE(scanPlainMacro(Line(text).view(), plain));
    }
}

} // namespace
} // namespace traxo
