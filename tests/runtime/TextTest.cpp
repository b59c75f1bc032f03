#include <gtest/gtest.h>

#include "Text.h"

using kit::Text;

TEST(Text, AssignmentCutsOrPads)
{
    Text<5> t("ab");
    EXPECT_EQ(t.view(), "ab   ");
    t = "abcdefg";
    EXPECT_EQ(t.view(), "abcde");
    EXPECT_EQ(Text<3>().view(), "   ");
}

TEST(Text, ComparisonIgnoresTrailingButNotLeadingBlanks)
{
    struct Case {
        std::string_view a, b;
        bool equal;
    } cases[] = {
        {"cph", "cph     ", true}, {"cph", " cph", false}, {"", "   ", true},
        {"CPH", "cph", false},     {"a b", "a b ", true},  {"ab", "a", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kit::textEquals(c.a, c.b), c.equal) << '"' << c.a << "\" vs \"" << c.b << '"';
    EXPECT_TRUE(Text<8>("lil") == "lil");
    EXPECT_EQ(Text<8>(" x ").trimmed(), " x");
}

TEST(Text, JoinCutsAtTheBufferLength)
{
    EXPECT_EQ((kit::joinText<12>({"C:\\KIT", "\\", "MASTER.cph"}).view()), "C:\\KIT\\MASTE");
    EXPECT_EQ((kit::joinText<10>({"a", "\\", "b"}).view()), "a\\b       ");
    EXPECT_EQ((kit::joinText<4>({"abcdef", "gh"}).view()), "abcd");
}
