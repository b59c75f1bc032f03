// The word functions against their tables; "_" stands for a blank in the texts below.
#include "ORVStrngTTT.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string B(std::string text)
{
    std::replace(text.begin(), text.end(), '_', ' ');
    return text;
}

const std::string T = B("__a__bb___c__");

struct WordPositionRow {
    std::size_t startPos, n;
    std::string text;
    std::size_t expected;
};

TEST(WordPosition, FindsTheNthWordStart)
{
    const WordPositionRow rows[] = {
        {1, 1, T, 3}, {1, 2, T, 6},           {1, 3, T, 11}, {1, 4, T, 14},  {1, 5, T, 0},
        {4, 1, T, 6}, {7, 1, T, 7},           {4, 2, T, 11}, {13, 1, T, 14}, {14, 1, T, 0},
        {1, 0, T, 0}, {1, 4, B("a_bb_c"), 0}, {1, 1, "", 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(WordPosition(row.startPos, row.n, row.text), row.expected)
            << "StartPos " << row.startPos << ", N " << row.n << ", text '" << row.text << "'";
}

struct ExtractWordsRow {
    std::size_t index, count;
    std::string text, expected;
};

TEST(ExtractWords, CutsWordsOut)
{
    const ExtractWordsRow rows[] = {
        {1, 1, T, "a"},
        {2, 1, T, "bb"},
        {3, 1, T, "c"},
        {4, 1, T, ""},
        {2, 2, T, B("bb___c")},
        {1, 3, T, B("a__bb___c")},
        {2, 3, T, B("bb___c__")},
        {2, 5, B("a_bb_c"), B("bb_c")},
        {1, 2, B("a_b_"), B("a_b")},
        {1, 3, B("a_b_"), B("a_b_")},
        {0, 1, B("a_b"), ""},
        {1, 0, B("a_b"), ""},
        {1, 1, B("___"), ""},
        {1, 1, "", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ExtractWords(row.index, row.count, row.text), row.expected)
            << "Index " << row.index << ", Count " << row.count << ", text '" << row.text << "'";
}

TEST(ExtractWords, OnlyTheBlankSeparates)
{
    EXPECT_EQ(ExtractWords(1, 1, "a\tb c"), "a\tb");
    EXPECT_EQ(ExtractWords(2, 1, "a\tb c"), "c");
}

TEST(ExtractWords, SplitsLinesBeyond254CharactersLikeShortOnes)
{
    std::string line;
    for (int word = 1; word <= 60; ++word)
        line += "  w" + std::to_string(word) + "   ";
    ASSERT_GT(line.size(), 300u);
    EXPECT_EQ(ExtractWords(60, 1, line), "w60");
    EXPECT_EQ(ExtractWords(59, 2, line), "w59     w60");
    EXPECT_EQ(ExtractWords(61, 1, line), "");
    EXPECT_EQ(WordPosition(1, 61, line), line.size() + 1);
}

TEST(StrToIntOrZero, ReadsIntegersAndNeverFails)
{
    const std::pair<std::string, std::int32_t> rows[] = {
        {"12", 12},        {"  12", 12},
        {"12 ", 0},        {"-7", -7},
        {"+3", 3},         {"1.5", 0},
        {"-", 0},          {"$1F", 31},
        {"0x10", 16},      {"x10", 16},
        {"-$10", 0},       {"2147483647", 2147483647},
        {"2147483648", 0}, {"-2147483648", -2147483647 - 1},
        {"$FFFFFFFF", -1}, {"abc", 0},
        {"", 0},           {"$", 0},
        {"$100000000", 0}, {"\t5", 0},
        {"+", 0},          {"+-5", 0},
        {"-+5", 0},        {"+ 5", 0},
        {"-0", 0},         {"$-5", 0},
        {"$ff", 255},      {"0X1f", 31},
        {"0x0x5", 0},      {"0x", 0},
        {"007", 7},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(StrToIntOrZero(text), expected) << "text '" << text << "'";
}

} // namespace
