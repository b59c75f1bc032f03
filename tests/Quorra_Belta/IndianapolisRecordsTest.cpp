#include "Quorra_Belta/IndianapolisRecords.h"
#include "Quorra_Belta/HeaderFiles.h"

#include <string>

#include <gtest/gtest.h>

#include "CurrentFolder.h"

namespace belta {
namespace {

struct RecordCase {
    const char* what;
    ObservationRecord obs;
    ModelResultRecord model;
    std::string pairRecord;
};

const RecordCase recordCases[] = {
    {"plain values",
     {85, 9, 16, 11, 0.5f, 90.0f, 2, 0.4f, -10.0f, 810.0f},
     {85, 9, 16, 11, 0.5f, 100.0f},
     "1   90.0  100.0   0.50  0.400     11   810. 85  9 16 11  2"},
    {"model fields win over the observation's date and distance",
     {86, 1, 2, 3, 7.0f, 1.25f, 3, 1.2344f, 0.0f, 1999.5f},
     {85, 10, 4, 24, 12.0f, 0.04f},
     "1    1.3    0.0  12.00  1.234     24  2000. 85 10  4 24  3"},
    {"too wide for the field",
     {1985, 9, 16, 11, 0.5f, 1234567.0f, 100, 1234.5f, 0.0f, 12345678.0f},
     {1985, 9, 16, 12345678, 100000.0f, -12345.0f},
     "1" + std::string(6 * 7 + 3, '*') + "  9 16***100"},
    {"small negatives round to zero without a sign",
     {85, 9, 16, 11, 0.5f, -0.04f, -1, -0.0004f, 0.0f, -0.4f},
     {85, 9, 16, -1, -0.004f, -0.06f},
     "1    0.0   -0.1   0.00  0.000     -1     0. 85  9 16 -1 -1"},
};

TEST(IndianapolisRecords, PairAndScatterRecords)
{
    kit::Record line;
    for (const RecordCase& c : recordCases) {
        EXPECT_EQ(formatPairRecord(line, c.obs, c.model), c.pairRecord) << c.what;
        EXPECT_EQ(formatScatterRecord(line, c.obs, c.model), std::string_view(c.pairRecord).substr(1))
            << c.what;
    }
}

// Runs a test body inside a fresh current folder.
class InScratchFolder : public testing::Test {
protected:
    kit_test::CurrentScratchFolder folder_;
};

TEST_F(InScratchFolder, HeaderFilesCarryCountAndTitle)
{
    struct Case {
        int N_REC;
        const char* ID_STR;
        const char* countField;
        const char* title;
    } cases[] = {
        {0, "", "   0", " Indianapolis scatter  -              "},
        {417, "run 7", " 417", " Indianapolis scatter  -  run 7       "},
        {9999, "ABCDEFGHIJKL", "9999", " Indianapolis scatter  -  ABCDEFGHIJKL"},
        {10000, " x", "****", " Indianapolis scatter  -   x          "},
    };
    for (const Case& c : cases) {
        writeHeaderFiles(c.N_REC, kit::Text<12>(c.ID_STR));
        const std::string count = c.countField;
        EXPECT_EQ(folder_.read("IN_HDR.INP"),
                  " " + count + "   2   1   4\r\n " + count +
                      "\r\n 'C_OBS' 'C_MOD' DIST     u*     HR  zmix  YR MO DY HR QUAL\r\n"
                      " 'Block of all data'\r\n")
            << c.N_REC;
        EXPECT_EQ(folder_.read("IN_HDR.DAT"),
                  std::string(c.title) + "\r\n c\\sub{obs}\r\n c\\sub{mod}\r\n" + count + " 1\r\n' '\r\n")
            << c.N_REC;
    }
}

} // namespace
} // namespace belta
