#include <gtest/gtest.h>

#include <string>

#include "FixedFormat.h"

namespace {

std::string F(double v, int w, int d)
{
    std::string s(static_cast<std::size_t>(w), '?');
    kit::formatF(s.data(), v, w, d);
    return s;
}

std::string I(std::int64_t v, int w)
{
    std::string s(static_cast<std::size_t>(w), '?');
    kit::formatI(s.data(), v, w);
    return s;
}

} // namespace

TEST(FixedFormat, RealFields)
{
    struct Case {
        double value;
        int w, d;
        const char* expected;
    } cases[] = {
        {1234.5, 10, 1, "    1234.5"},
        {987.6f, 10, 1, "     987.6"},
        {1.9f, 7, 2, "   1.90"},
        {0.37f, 7, 3, "  0.370"},
        {-12.3f, 7, 1, "  -12.3"},
        {810.0, 7, 0, "   810."},
        {0.0, 7, 0, "     0."},
        {0.4, 7, 0, "     0."},
        {0.5, 7, 0, "     1."}, // exact half: away from zero
        {-0.5, 7, 0, "    -1."},
        {0.125, 5, 2, " 0.13"}, // exact binary half
        {-0.125, 5, 2, "-0.13"},
        {2.675, 5, 2, " 2.67"}, // just below the half in binary
        {-0.04, 5, 1, "  0.0"}, // no minus for a value that rounds to zero
        {-0.04, 4, 1, " 0.0"},
        {0.5, 4, 3, ".500"}, // no room for the 0 before the point
        {-0.5, 5, 3, "-.500"},
        {0.5, 3, 3, "***"},
        {99999999.9, 10, 1, "99999999.9"},
        {99999999.96, 10, 1, "**********"}, // rounds to 100000000.0
        {1e8, 10, 1, "**********"},
        {99999999999.9, 13, 1, "99999999999.9"},
        {-1e30, 7, 1, "*******"},
        {1e-300, 7, 2, "   0.00"},
        {5e-324, 7, 2, "   0.00"},
        {123.456, 9, 5, "123.45600"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(F(c.value, c.w, c.d), c.expected) << c.value << " F" << c.w << "." << c.d;
}

TEST(FixedFormat, NonFiniteValuesFillTheField)
{
    EXPECT_EQ(F(std::numeric_limits<double>::infinity(), 5, 1), "*****");
    EXPECT_EQ(F(std::numeric_limits<double>::quiet_NaN(), 3, 0), "***");
}

TEST(FixedFormat, IntegerFields)
{
    struct Case {
        std::int64_t value;
        int w;
        const char* expected;
    } cases[] = {
        {1, 1, "1"},         {1200, 6, "  1200"},
        {78, 3, " 78"},      {1978, 3, "***"},
        {0, 4, "   0"},      {-5, 2, "-5"},
        {-10, 2, "**"},      {10000, 4, "****"},
        {-1046, 5, "-1046"}, {-2147483648LL, 11, "-2147483648"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(I(c.value, c.w), c.expected) << c.value << " I" << c.w;
}

TEST(FixedFormat, RecordsJoinFieldsAndLiterals)
{
    kit::Record r;
    r.clear()
        .I(1, 1)
        .F(1234.5, 10, 1)
        .F(987.6f, 10, 1)
        .F(1.9f, 7, 2)
        .F(0.37f, 7, 3)
        .F(-12.3f, 7, 1)
        .F(810.0f, 7, 0)
        .I(78, 3)
        .I(10, 3)
        .I(19, 3)
        .I(1200, 6);
    EXPECT_EQ(r.view(), "1    1234.5     987.6   1.90  0.370  -12.3   810. 78 10 19  1200");
    r.clear().text(" ").I(7, 4).text("   2   1   4");
    EXPECT_EQ(r.view(), "    7   2   1   4");
    r.clear().text(" Copenhagen scatter  -  ").A("run 7", 12).A("abcdef", 3);
    EXPECT_EQ(r.view(), " Copenhagen scatter  -         run 7abc");
}
