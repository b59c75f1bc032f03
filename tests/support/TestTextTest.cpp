// The expected-text builders, at the edges where a slip would make every comparison wrong.
#include <gtest/gtest.h>

#include "TestText.h"

namespace kit_test {
namespace {

TEST(TestText, LinesNumbersAndFields)
{
    EXPECT_EQ(crlfLines({}), "");
    EXPECT_EQ(crlfLines({""}), "\r\n");
    EXPECT_EQ(crlfLines({"a", "", "b "}), "a\r\n\r\nb \r\n");

    struct Aligned {
        long long value;
        std::size_t width;
        const char* text;
    } aligned[] = {{0, 4, "   0"}, {9999, 4, "9999"}, {10000, 4, "10000"}, {-12, 4, " -12"}, {7, 0, "7"}};
    for (const Aligned& a : aligned)
        EXPECT_EQ(rightAligned(a.value, a.width), a.text) << a.value;

    EXPECT_EQ(field("ab", 4), "ab  ");
    EXPECT_EQ(field("abcdef", 4), "abcd");
    EXPECT_EQ(field("", 3), "   ");
}

} // namespace
} // namespace kit_test
