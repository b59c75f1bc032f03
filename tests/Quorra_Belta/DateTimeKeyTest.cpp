#include "Quorra_Belta/DateTimeKey.h"

#include <gtest/gtest.h>

namespace belta {
namespace {

TEST(DateTimeKey, WholeDayPartIsYearTimesThousandPlusDayOfYear)
{
    struct Case {
        int year, month, day;
        float key;
    } cases[] = {
        {85, 1, 1, 85001.0f},      {85, 12, 31, 85365.0f}, {84, 12, 31, 84366.0f},
        {1985, 9, 16, 1985259.0f}, {0, 3, 1, 61.0f},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dateTimeKey(c.year, c.month, c.day, 0), c.key) << c.year << "-" << c.month << "-" << c.day;
}

TEST(DateTimeKey, TwoDigitYearTellsEveryHourApart)
{
    for (int hour = 1; hour <= 24; ++hour)
        EXPECT_LT(dateTimeKey(85, 9, 16, hour - 1), dateTimeKey(85, 9, 16, hour)) << hour;
}

TEST(DateTimeKey, FourDigitYearKeepsOnlyEighthsOfADay)
{
    struct Case {
        int hour;
        float key;
    } cases[] = {
        {0, 1985259.0f},    {6, 1985259.0f},   {7, 1985259.125f},
        {18, 1985259.125f}, {19, 1985259.25f}, {24, 1985259.25f},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dateTimeKey(1985, 9, 16, c.hour), c.key) << "hour " << c.hour;
}

} // namespace
} // namespace belta
