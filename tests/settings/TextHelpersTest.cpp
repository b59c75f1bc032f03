#include "Read_ini_routines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace Read_ini_routines;

TEST(TextHelpers, FirstAndLastNonBlank)
{
    struct Case {
        std::string_view text;
        int first, last;
    };
    const Case cases[] = {
        {"  ab ", 3, 4}, {"x", 1, 1}, {"a  b", 1, 4}, {"\tz ", 1, 2}, // only code 32 is blank
        {"   ", 0, 0},   {"", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(firstChar(c.text), c.first) << "'" << c.text << "'";
        EXPECT_EQ(lastChar(c.text), c.last) << "'" << c.text << "'";
    }
}

TEST(TextHelpers, ChangeCaseOfAsciiLettersOnly)
{
    struct Case {
        std::string text, upper, lower;
    };
    const Case cases[] = {
        {"cph-1 \xC3\xB8", "CPH-1 \xC3\xB8", "cph-1 \xC3\xB8"},
        {"LIL", "LIL", "lil"},
        {"\xF8\xD8\xE6", "\xF8\xD8\xE6", "\xF8\xD8\xE6"}, // single-byte accented letters
        {"@AZ[`az{", "@AZ[`AZ{", "@az[`az{"},             // the neighbours of both ranges
        {"Mixed Case  ", "MIXED CASE  ", "mixed case  "},
        {"    ", "    ", "    "},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        std::string upper = c.text;
        UPCASE(upper);
        EXPECT_EQ(upper, c.upper);
        std::string lower = c.text;
        DOWNCASE(lower);
        EXPECT_EQ(lower, c.lower);
    }
}

} // namespace
