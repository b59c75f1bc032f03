#include "JULIAN.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

namespace {

struct DateCase {
    int day, month, year;
    int expected;
};

void PrintTo(const DateCase& c, std::ostream* out)
{
    *out << c.day << "." << c.month << "." << c.year;
}

class JulianTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(JulianTest, GivesDayOfYear)
{
    const DateCase& c = GetParam();
    EXPECT_EQ(JULIAN(c.day, c.month, c.year), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, JulianTest,
    ::testing::Values(
        DateCase{1, 1, 1981, 1}, DateCase{31, 12, 1981, 365}, DateCase{31, 12, 1980, 366},
        DateCase{1, 3, 1981, 60}, DateCase{1, 3, 1980, 61}, DateCase{1, 3, 1900, 61}, // no century rule
        DateCase{1, 3, 2100, 61}, DateCase{1, 3, 0, 61}, DateCase{1, 3, -4, 61}, DateCase{1, 3, -3, 60},
        DateCase{29, 2, 1981, 60},                              // no month-length check
        DateCase{30, 2, 1980, 61}, DateCase{1, 8, 1981, 213},   // the correction sum is exactly 5.5 in August
        DateCase{1, 8, 1980, 214}, DateCase{15, 13, 1981, 380}, // months beyond the year are not checked
        DateCase{15, 13, 1980, 381}, DateCase{15, 0, 1980, -16}, DateCase{0, 1, 1981, 0},
        DateCase{INT_MAX, 2, 1981, INT_MIN + 30})); // 32-bit sums wrap

// Every month's offset against day 0, in ordinary and leap years.
TEST(JulianMonthOffsets, MatchCalendar)
{
    const int ordinary[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    for (int month = 1; month <= 12; ++month) {
        const int leap = month > 2 ? 1 : 0;
        EXPECT_EQ(JULIAN(0, month, 1981), ordinary[month - 1]) << "month " << month;
        EXPECT_EQ(JULIAN(0, month, 1984), ordinary[month - 1] + leap) << "month " << month;
    }
}

} // namespace
