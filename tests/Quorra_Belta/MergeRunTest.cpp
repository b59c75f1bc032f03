// The merge pairing as a whole run sees it: which observations and model records pair, judged
// by the result files and the record count.
#include <gtest/gtest.h>

#include "BeltaRun.h"

namespace kit_test {
namespace {

struct MergeCase {
    const char* what;
    std::vector<std::string> model;
    std::vector<std::string> observations;
    std::vector<std::string> pairs;
    int level = 0;
};

void PrintTo(const MergeCase& c, std::ostream* os)
{
    *os << c.what;
}

// Observations end in the same u*, h/L and mixing height unless a case needs otherwise.
const MergeCase mergeCases[] = {
    {"equal keys and distances: both observations pair with the same model record",
     {"85 9 16 11 1.0 200.0"},
     {"85 9 16 11 1.0 190.0 3 0.4 -1 500", "85 9 16 11 1.0 195.0 3 0.4 -1 500"},
     {"1  190.0  200.0   1.00  0.400     11   500. 85  9 16 11  3",
      "1  195.0  200.0   1.00  0.400     11   500. 85  9 16 11  3"}},
    {"of two equal model records only the first pairs",
     {"85 9 16 11 1.0 200.0", "85 9 16 11 1.0 999.0", "85 9 16 11 2.0 300.0"},
     {"85 9 16 11 1.0 190.0 3 0.4 -1 500", "85 9 16 11 2.0 290.0 3 0.4 -1 500"},
     {"1  190.0  200.0   1.00  0.400     11   500. 85  9 16 11  3",
      "1  290.0  300.0   2.00  0.400     11   500. 85  9 16 11  3"}},
    {"distances that differ as 32-bit floats do not pair; the smaller stream moves on",
     {"85 9 16 11 1.00001 200.0", "85 9 16 11 2.0 300.0"},
     {"85 9 16 11 1.0 190.0 3 0.4 -1 500", "85 9 16 11 2.0 290.0 3 0.4 -1 500"},
     {"1  290.0  300.0   2.00  0.400     11   500. 85  9 16 11  3"}},
    {"distances that round to the same 32-bit float pair",
     {"85 9 16 11 1.00000001 200.0"},
     {"85 9 16 11 1.0 190.0 3 0.4 -1 500"},
     {"1  190.0  200.0   1.00  0.400     11   500. 85  9 16 11  3"}},
    {"an observation behind the current model key is dropped",
     {"85 9 16 11 1.0 200.0", "85 9 16 12 1.0 300.0"},
     {"85 9 16 12 1.0 290.0 3 0.4 -1 500", "85 9 16 11 1.0 190.0 3 0.4 -1 500",
      "85 9 16 12 1.0 295.0 3 0.4 -1 500"},
     {"1  290.0  300.0   1.00  0.400     12   500. 85  9 16 12  3",
      "1  295.0  300.0   1.00  0.400     12   500. 85  9 16 12  3"}},
    {"a model record behind the current observation key is dropped",
     {"85 9 16 12 1.0 300.0", "85 9 16 11 1.0 200.0", "85 9 16 13 1.0 400.0"},
     {"85 9 16 11 1.0 190.0 3 0.4 -1 500", "85 9 16 13 1.0 390.0 3 0.4 -1 500"},
     {"1  390.0  400.0   1.00  0.400     13   500. 85  9 16 13  3"}},
    {"observations ending in the middle of a record: the cut record is not used",
     {"85 9 16 11 1.0 200.0", "85 9 16 11 2.0 300.0"},
     {"85 9 16 11 1.0 190.0 3 0.4 -1 500", "85 9 16 11 2.0 290.0 3"},
     {"1  190.0  200.0   1.00  0.400     11   500. 85  9 16 11  3"}},
    {"model results ending in the middle of a record",
     {"85 9 16 11 1.0 200.0", "85 9 16 11 2.0"},
     {"85 9 16 11 1.0 190.0 3 0.4 -1 500", "85 9 16 11 2.0 290.0 3 0.4 -1 500"},
     {"1  190.0  200.0   1.00  0.400     11   500. 85  9 16 11  3"}},
    {"a record may run over several lines and use commas",
     {"85,9,16,11,", "1.0,200.0"},
     {"85, 9, 16, 11, 1.0", "190.0 3 0.4 -1 500"},
     {"1  190.0  200.0   1.00  0.400     11   500. 85  9 16 11  3"}},
    {"four-digit years: hours 0-6, 7-18 and 19-24 of a day share a key",
     {"1985 9 16 3 1.0 100.0", "1985 9 16 12 1.0 200.0", "1985 9 16 20 1.0 300.0"},
     {"1985 9 16 0 1.0 10.0 3 0.4 -1 500", "1985 9 16 6 1.0 60.0 3 0.4 -1 500",
      "1985 9 16 7 1.0 70.0 3 0.4 -1 500", "1985 9 16 18 1.0 180.0 3 0.4 -1 500",
      "1985 9 16 24 1.0 240.0 3 0.4 -1 500"},
     {"1   10.0  100.0   1.00  0.400      3   500.***  9 16  3  3",
      "1   60.0  100.0   1.00  0.400      3   500.***  9 16  3  3",
      "1   70.0  200.0   1.00  0.400     12   500.***  9 16 12  3",
      "1  180.0  200.0   1.00  0.400     12   500.***  9 16 12  3",
      "1  240.0  300.0   1.00  0.400     20   500.***  9 16 20  3"}},
    {"two-digit years: neighbouring hours do not pair",
     {"85 9 16 11 1.0 200.0", "85 9 16 13 1.0 400.0"},
     {"85 9 16 12 1.0 290.0 3 0.4 -1 500"},
     {}},
    {"inputs holding only their heading lines", {}, {}, {}},
    {"a dropped low-quality observation leaves the model record where it was",
     {"85 9 16 11 1.0 200.0", "85 9 16 11 2.0 300.0"},
     {"85 9 16 11 2.0 290.0 1 0.4 -1 500", "85 9 16 11 1.0 190.0 2 0.4 -1 500"},
     {"1  190.0  200.0   1.00  0.400     11   500. 85  9 16 11  2"},
     2},
};

class MergeRun : public testing::TestWithParam<MergeCase> {};

TEST_P(MergeRun, PairsWhatMatches)
{
    const MergeCase& c = GetParam();
    ScratchFolder folder;
    writeIndianapolisInputs(folder, c.model, c.observations);

    const ProgramRun r = runBelta(folder, std::to_string(c.level) + "\nmerge\n");

    const int N_REC = static_cast<int>(c.pairs.size());
    const auto names = c.level == 0 ? std::pair{"IN0.INP", "IN0.DAT"} : std::pair{"IN2.INP", "INSCAT2.DAT"};
    EXPECT_EQ(r.out,
              crlfLines(completedRunLines(std::string("results\\") + names.first,
                                          std::string("results\\") + names.second, N_REC)));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.read(std::string("results/") + names.first), pairDataFile(N_REC, c.pairs));
    EXPECT_EQ(folder.read(std::string("results/") + names.second),
              scatterFile(" Indianapolis scatter  -  merge       ", N_REC, c.pairs));
}

INSTANTIATE_TEST_SUITE_P(Cases, MergeRun, testing::ValuesIn(mergeCases),
                         [](const testing::TestParamInfo<MergeCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

} // namespace
} // namespace kit_test
