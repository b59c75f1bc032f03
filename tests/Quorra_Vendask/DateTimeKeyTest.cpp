#include <gtest/gtest.h>

#include "Quorra_Vendask/DateTimeKey.h"

namespace vendask {
namespace {

struct KeyCase {
    int year, dayOfYear, hour;
    float key;
};

class DateTimeKeyValues : public ::testing::TestWithParam<KeyCase> {};

TEST_P(DateTimeKeyValues, RoundsTheSumOnceToAFloat)
{
    const KeyCase c = GetParam();
    EXPECT_EQ(dateTimeKey(c.year, c.dayOfYear, c.hour), c.key);
}

// The hour counts only as far as a float of the key's size can hold it.
INSTANTIATE_TEST_SUITE_P(Keys, DateTimeKeyValues,
                         ::testing::Values(KeyCase{78, 292, 1200, 78292.1171875f},
                                           KeyCase{78, 292, 1300, 78292.1328125f},
                                           KeyCase{78, 292, 12, 78292.0f}, KeyCase{78, 292, 13, 78292.0f},
                                           KeyCase{1978, 292, 1200, 1978292.125f},
                                           KeyCase{1978, 292, 1300, 1978292.125f},
                                           KeyCase{1978, 292, 1400, 1978292.125f},
                                           KeyCase{87, 36, 0, 87036.0f}, KeyCase{-1, 1, 0, -999.0f}));

struct ArcCase {
    float model, observed;
    bool same;
};

class ArcDistances : public ::testing::TestWithParam<ArcCase> {};

TEST_P(ArcDistances, AreTheSameArcWithinTheFloatNearestTenToTheMinusFour)
{
    const ArcCase c = GetParam();
    EXPECT_EQ(sameArc(c.model, c.observed), c.same);
}

INSTANTIATE_TEST_SUITE_P(Distances, ArcDistances,
                         ::testing::Values(ArcCase{2.00005f, 2.0f, true}, ArcCase{2.0f, 2.00005f, true},
                                           ArcCase{6.0001f, 6.0f, false}, ArcCase{6.0f, 6.0001f, false},
                                           ArcCase{1.9f, 3.7f, false}, ArcCase{0.0f, 0.0001f, true},
                                           ArcCase{0.0f, -0.0001f, true}, ArcCase{0.0f, 0.00011f, false}));

} // namespace
} // namespace vendask
