// Whole runs at every quality level: console dialogue, summary, both result files and the
// clearing away of the temporary pieces.
#include <gtest/gtest.h>

#include "BeltaRun.h"

namespace kit_test {
namespace {

// One observation per quality flag; the last two share key and distance, so both pair with the
// same model record.
const std::vector<std::string> modelRecords = {
    "85 9 16 11 0.5 100.0",
    "85 9 16 11 1.0 200.0",
    "85 9 16 12 0.5 300.0",
};
const std::vector<std::string> observationRecords = {
    "85 9 16 11 0.5 90.0 0 0.4 -10 810",
    "85 9 16 11 1.0 190.0 1 0.41 -10 810",
    "85 9 16 12 0.5 310.0 2 0.5 -5 1200.5",
    "85 9 16 12 0.5 305.0 3 0.5 -5 1200.5",
};
// Their pair records, by quality flag.
const std::vector<std::string> pairByQuality = {
    "1   90.0  100.0   0.50  0.400     11   810. 85  9 16 11  0",
    "1  190.0  200.0   1.00  0.410     11   810. 85  9 16 11  1",
    "1  310.0  300.0   0.50  0.500     12  1201. 85  9 16 12  2",
    "1  305.0  300.0   0.50  0.500     12  1201. 85  9 16 12  3",
};

struct LevelCase {
    const char* input;
    const char* title; // the scatter title line
    const char* pairData;
    const char* scatter;
    int level;
};

class LevelRun : public testing::TestWithParam<LevelCase> {};

TEST_P(LevelRun, WritesResultFilesNamedByLevelAndClearsPieces)
{
    const LevelCase& c = GetParam();
    ScratchFolder folder;
    writeIndianapolisInputs(folder, modelRecords, observationRecords);

    const ProgramRun r = runBelta(folder, c.input);

    const int N_REC = 4 - c.level;
    const std::vector<std::string> pairs(pairByQuality.begin() + c.level, pairByQuality.end());
    EXPECT_EQ(r.out,
              crlfLines(completedRunLines(std::string("results\\") + c.pairData,
                                          std::string("results\\") + c.scatter, N_REC)));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.read(std::string("results/") + c.pairData), pairDataFile(N_REC, pairs));
    EXPECT_EQ(folder.read(std::string("results/") + c.scatter), scatterFile(c.title, N_REC, pairs));
    EXPECT_EQ(folder.list(), (std::vector<std::string>{"Quorra_Belta.ini", "master", "results"}));
}

INSTANTIATE_TEST_SUITE_P(
    Levels, LevelRun,
    testing::Values(
        // An empty answer leaves 12 blanks in the title.
        LevelCase{"0\n\n", " Indianapolis scatter  -              ", "IN0.INP", "IN0.DAT", 0},
        // A longer ID is cut to 12 characters; text after the level is ignored.
        LevelCase{"1 and more\nABCDEFGHIJKLMNOP\n", " Indianapolis scatter  -  ABCDEFGHIJKL", "IN1.INP",
                  "INSCAT1.DAT", 1},
        // Empty and blank lines before the level are passed over; CR LF answers read alike.
        LevelCase{"\r\n   \r\n2\r\nrun 7\r\n", " Indianapolis scatter  -  run 7       ", "IN2.INP",
                  "INSCAT2.DAT", 2},
        LevelCase{"3,\n  lead blanks\n", " Indianapolis scatter  -    lead blank", "IN3.INP", "INSCAT3.DAT",
                  3}));

} // namespace
} // namespace kit_test
