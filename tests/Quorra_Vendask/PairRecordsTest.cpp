#include <gtest/gtest.h>

#include <string>

#include "Quorra_Vendask/PairRecords.h"

namespace vendask {
namespace {

ObservationRecord observation(float c, float cy)
{
    ObservationRecord o;
    o.C_OBS = c;
    o.CY_OBS = cy;
    o.USTAR = 0.37f;
    o.H_L = -12.3f;
    o.ZMIX = 810.0f;
    o.AL = -45.0f;
    return o;
}

ModelRecord model(float c, float cy, int year)
{
    ModelRecord m;
    m.MYR = year;
    m.MMO = 10;
    m.MDY = 19;
    m.MHR = 1200;
    m.DIST_M = 1.9f;
    m.C_MOD = c;
    m.CY_MOD = cy;
    return m;
}

struct RecordCase {
    const char* name;
    bool cph;
    Concentration concentration;
    ObservationRecord obs;
    ModelRecord mod;
    std::string pairData;
};

class PairDataRecords : public ::testing::TestWithParam<RecordCase> {};

TEST_P(PairDataRecords, FillTheirColumnsAndTheScatterRecordDropsTheBlockNumber)
{
    const RecordCase& c = GetParam();
    PairRecordWriter writer(c.cph);
    writer.set(c.obs, c.mod, 1);
    EXPECT_EQ(writer.pairDataRecord(c.concentration), c.pairData);
    EXPECT_EQ(writer.scatterRecord(c.concentration), c.pairData.substr(1));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PairDataRecords,
    ::testing::Values(RecordCase{"CopenhagenMax", true, Concentration::Max, observation(1234.5f, 5.0f),
                                 model(987.6f, 6.0f, 78),
                                 "1    1234.5     987.6   1.90  0.370  -12.3   810. 78 10 19  1200"},
                      RecordCase{"CopenhagenCwi", true, Concentration::Cwi, observation(5.0f, 0.04f),
                                 model(6.0f, -0.04f, 78),
                                 "1       0.0       0.0   1.90  0.370  -12.3   810. 78 10 19  1200"},
                      RecordCase{"CopenhagenTooWide", true, Concentration::Max, observation(1.0e8f, 0),
                                 model(99999999.9f, 0, 1978),
                                 "1" + std::string(20, '*') + "   1.90  0.370  -12.3   810.*** 10 19  1200"},
                      RecordCase{"LillestromMax", false, Concentration::Max, observation(1.0e8f, 0),
                                 model(0.25f, 0, 87),
                                 "1  100000000.0          0.3   1.90  0.370   -45. 87 10 19  1200"},
                      RecordCase{"LillestromCwi", false, Concentration::Cwi, observation(0, 4980050.0f),
                                 model(0, -12.25f, 87),
                                 "1    4980050.0        -12.3   1.90  0.370   -45. 87 10 19  1200"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vendask
