#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CurrentFolder.h"
#include "FreeFormat.h"

using kit::FieldScanner;
using Result = FieldScanner::Result;

TEST(FreeFormat, IntegerTokens)
{
    struct Case {
        const char* line;
        Result result;
        std::int32_t value;
    } cases[] = {
        {"12", Result::Value, 12},
        {"  -7 ", Result::Value, -7},
        {"+3", Result::Value, 3},
        {"2147483647", Result::Value, 2147483647},
        {"-2147483648", Result::Value, -2147483647 - 1},
        {"00000000000000000000042", Result::Value, 42},
        {"2147483648", Result::Bad, 99},
        {"-2147483649", Result::Bad, 99},
        {"1.5", Result::Bad, 99},
        {"1e3", Result::Bad, 99},
        {"abc", Result::Bad, 99},
        {"-", Result::Bad, 99},
        {"+", Result::Bad, 99},
        {"+-5", Result::Bad, 99},
        {"-+5", Result::Bad, 99},
        {"++5", Result::Bad, 99},
        {"-0", Result::Value, 0},
        {"0x10", Result::Bad, 99},
        {"", Result::Exhausted, 99},
        {"   ", Result::Exhausted, 99},
        {",", Result::Null, 99},
    };
    for (const Case& c : cases) {
        FieldScanner s(c.line);
        std::int32_t v = 99;
        EXPECT_EQ(s.next(v), c.result) << '"' << c.line << '"';
        EXPECT_EQ(v, c.value) << '"' << c.line << '"';
    }
}

TEST(FreeFormat, RealTokens)
{
    struct Case {
        const char* line;
        Result result;
        float value;
    } cases[] = {
        {"2.5", Result::Value, 2.5f},
        {".5", Result::Value, 0.5f},
        {"5.", Result::Value, 5.0f},
        {"+.5", Result::Value, 0.5f},
        {"-12", Result::Value, -12.0f},
        {"1.5E2", Result::Value, 150.0f},
        {"1.5e-2", Result::Value, 0.015f},
        {"1d2", Result::Value, 100.0f},
        {"+1D+2", Result::Value, 100.0f},
        {"6.0001", Result::Value, 6.0001f},
        {"3.4028235e38", Result::Value, 3.4028235e38f},
        {"1e-60", Result::Value, 0.0f},
        {"1e39", Result::Bad, 7.0f},
        {"inf", Result::Bad, 7.0f},
        {"nan", Result::Bad, 7.0f},
        {"1.2.3", Result::Bad, 7.0f},
        {".", Result::Bad, 7.0f},
        {"1e", Result::Bad, 7.0f},
        {"1e+", Result::Bad, 7.0f},
        {"0x10", Result::Bad, 7.0f},
        {"1,5", Result::Value, 1.0f},
    };
    for (const Case& c : cases) {
        FieldScanner s(c.line);
        float v = 7.0f;
        EXPECT_EQ(s.next(v), c.result) << '"' << c.line << '"';
        EXPECT_EQ(v, c.value) << '"' << c.line << '"';
    }
}

TEST(FreeFormat, RealsRoundToTheNearestFloatOnce)
{
    // Halfway between two floats in decimal: a detour through double would round twice.
    FieldScanner s("1.00000005960464477539062500000000001");
    float v = 0;
    ASSERT_EQ(s.next(v), Result::Value);
    EXPECT_EQ(v, std::nextafter(1.0f, 2.0f));
}

TEST(FreeFormat, CommasAndNullValues)
{
    FieldScanner s("1,2,,4 , ,6,");
    std::int32_t v[7] = {0, 0, 30, 0, 50, 0, 70};
    for (int i = 0; i < 6; ++i)
        s.next(v[i]);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[1], 2);
    EXPECT_EQ(v[2], 30); // null: keeps its value
    EXPECT_EQ(v[3], 4);
    EXPECT_EQ(v[4], 50);
    EXPECT_EQ(v[5], 6);
    EXPECT_EQ(s.next(v[6]), Result::Exhausted);
}

TEST(FreeFormat, TextFields)
{
    FieldScanner s("10,20,translate extra");
    std::int32_t a = 0, b = 0;
    kit::Text<5> word;
    s.next(a);
    s.next(b);
    EXPECT_EQ(s.next(word), Result::Value);
    EXPECT_EQ(word.view(), "trans");
    kit::Text<4> m;
    FieldScanner t("1 2 M");
    t.next(a);
    t.next(b);
    t.next(m);
    EXPECT_EQ(m.view(), "M   ");
}

TEST(FreeFormat, RecordsContinueOnTheNextLineAndDropTheRestOfTheLast)
{
    kit_test::CurrentScratchFolder dir;
    dir.write("in.txt", "heading\r\n1 2\r\n\r\n3.5 junk junk\r\n4 5 6.5\n7 8");
    kit::TextInput in;
    ASSERT_TRUE(in.open("in.txt"));
    kit::RecordReader reader(in);
    ASSERT_TRUE(reader.skipLine());
    std::int32_t a = 0, b = 0;
    float c = 0;
    EXPECT_EQ(reader.read(a, b, c), kit::ReadStatus::Ok);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 3.5f);
    EXPECT_EQ(reader.read(a, b, c), kit::ReadStatus::Ok);
    EXPECT_EQ(c, 6.5f);
    EXPECT_EQ(reader.read(a, b, c), kit::ReadStatus::End); // ends in the middle of a record
    EXPECT_EQ(a, 7);
}

TEST(FreeFormat, ReadErrorsAreReported)
{
    kit_test::CurrentScratchFolder dir;
    dir.write("in.txt", "1 x 3\n");
    kit::TextInput in;
    ASSERT_TRUE(in.open("in.txt"));
    kit::RecordReader reader(in);
    std::int32_t a = 0, b = 0, c = 0;
    EXPECT_EQ(reader.read(a, b, c), kit::ReadStatus::Error);
}
