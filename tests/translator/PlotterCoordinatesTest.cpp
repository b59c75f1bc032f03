#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "PlotterCoordinates.h"

namespace traxo {
namespace {

TEST(PlotterCoordinates, RoundedToSingleThenHalvesAwayFromZero)
{
    const double afterTranslation = -400 * kScale; // the offsets of "-400 400 translate"
    const struct {
        std::int32_t value;
        double offset;
        double expected;
    } cases[] = {
        {0, kStartXOffset, 1046},
        {0, kStartYOffset, -1046},
        {100, kStartXOffset, 1308}, // 1307.50000095... is 1307.5 in single precision
        {100, kStartYOffset, -785}, // -784.49999905... is -784.5
        {200, kStartYOffset, -523},
        {0, kStartXOffset + afterTranslation, 0},
        {0, kStartYOffset - afterTranslation, 0},
        {-782, kStartXOffset, -999}, // the range that fits four columns, and one beyond each end
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
        {0, "   0"},
        {-0.0, "   0"},
        {7, "   7"},
        {-5, "  -5"},
        {-999, "-999"},
        {9999, "9999"},
        {10000, "10000"},
        {-1000, "-1000"},
        {-1046, "-1046"},
        {5615670784.0, "5615670784"},
        {1e20, "100000000000000000000"},
        {-std::ldexp(1.0, 70), "-1180591620717411303424"},
    };
    for (const auto& c : cases) {
        char out[48];
        EXPECT_EQ(std::string(out, writeCoordinate(out, c.value)), c.text);
    }
}

// The one-step writer against the two steps it stands for, on the edges of the four-column
// range, on exact halves of either sign, and on coordinates far outside.
TEST(PlotterCoordinates, OneStepWriterGivesTheTwoStepCharacters)
{
    const double half = 0.5;
    const struct {
        std::int32_t value;
        double offset;
    } cases[] = {
        {0, kStartXOffset},
        {0, kStartYOffset},
        {100, kStartXOffset},
        {100, kStartYOffset},
        {-782, kStartXOffset},
        {-783, kStartXOffset},
        {3423, kStartXOffset},
        {3424, kStartXOffset},
        {18, kStartYOffset},
        {17, kStartYOffset},
        {4223, kStartYOffset},
        {4224, kStartYOffset},
        {0, -999.5},
        {0, -999.5 + 1e-4},
        {0, -998.5},
        {0, 9998.5},
        {0, 9999.5},
        {0, 9999.5 - 1e-3},
        {0, half},
        {0, -half},
        {0, 0.49999997},
        {0, -0.49999997},
        {0, 1.5},
        {0, -1.5},
        {0, 2.5},
        {0, -2.5},
        {0, -0.0},
        {0, 1e-30},
        {0, -1e-30},
        {-400, 400 * kScale},
        {0, 1e30},
        {0, -1e30},
        {2147483647, kStartXOffset},
        {-2147483647 - 1, kStartYOffset},
        {1, 3e38},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " + " << c.offset);
        char twoSteps[48];
        char oneStep[48];
        const std::string expected(twoSteps, writeCoordinate(twoSteps, plotterCoordinate(c.value, c.offset)));
        EXPECT_EQ(std::string(oneStep, writePlotterCoordinate(oneStep, c.value, c.offset)), expected);
    }
    // Every value of the first field over the range a plot uses, at the start offsets.
    for (std::int32_t value = -5000; value <= 5000; ++value) {
        for (const double offset : {kStartXOffset, kStartYOffset}) {
            char twoSteps[48];
            char oneStep[48];
            const std::string expected(twoSteps, writeCoordinate(twoSteps, plotterCoordinate(value, offset)));
            ASSERT_EQ(std::string(oneStep, writePlotterCoordinate(oneStep, value, offset)), expected)
                << value;
        }
    }
}

} // namespace
} // namespace traxo
