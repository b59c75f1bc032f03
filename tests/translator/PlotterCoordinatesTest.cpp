#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "PlotterCoordinates.h"

namespace traxo {
namespace {

TEST(PlotterCoordinates, RoundedToSingleThenHalvesAwayFromZero)
{
    const double afterTranslation = -400 * kScale;  // the offsets of "-400 400 translate"
    const struct {
        std::int32_t value;
        double offset;
        double expected;
    } cases[] = {
        {0, kStartXOffset, 1046},
        {0, kStartYOffset, -1046},
        {100, kStartXOffset, 1308},   // 1307.50000095... is 1307.5 in single precision
        {100, kStartYOffset, -785},   // -784.49999905... is -784.5
        {200, kStartYOffset, -523},
        {0, kStartXOffset + afterTranslation, 0},
        {0, kStartYOffset - afterTranslation, 0},
        {-782, kStartXOffset, -999},  // the range that fits four columns, and one beyond each end
        {-783, kStartXOffset, -1002},
        {3423, kStartXOffset, 9997},
        {3424, kStartXOffset, 10000},
        {18, kStartYOffset, -999},
        {17, kStartYOffset, -1002},
        {4224, kStartYOffset, 10000},
        {2147483647, kStartXOffset, 5615670784.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " + " << c.offset);
        EXPECT_EQ(plotterCoordinate(c.value, c.offset), c.expected);
    }
}

TEST(PlotterCoordinates, FourColumnsOrAsManyAsNeeded)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "   0"}, {-0.0, "   0"}, {7, "   7"}, {-5, "  -5"}, {-999, "-999"}, {9999, "9999"},
        {10000, "10000"}, {-1000, "-1000"}, {-1046, "-1046"}, {5615670784.0, "5615670784"},
        {1e20, "100000000000000000000"}, {-std::ldexp(1.0, 70), "-1180591620717411303424"},
    };
    for (const auto& c : cases) {
        char out[48];
        EXPECT_EQ(std::string(out, writeCoordinate(out, c.value)), c.text);
    }
}

} // namespace
} // namespace traxo
