// The pairing called in-process on files written by the test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>

#include "Console.h"
#include "CurrentFolder.h"
#include "Failure.h"
#include "Quorra_Vendask/Pairing.h"
#include "ScratchFolder.h"
#include "TestText.h"

namespace vendask {
namespace {

using kit_test::crlfLines;
using kit_test::ScratchFolder;

struct PairingOutcome {
    std::optional<int> pairs; // empty when the pairing stopped the run
    std::string body1;        // BODY1 as left on disk
    std::string console;
};

// Runs the Copenhagen pairing in a scratch folder (the body files are named relative to it).
PairingOutcome pairCopenhagen(const std::vector<std::string>& observations,
                              const std::vector<std::string>& models)
{
    ScratchFolder folder;
    folder.writeLines("MASTER.cph", observations);
    folder.writeLines("MODEL.TXT", models);
    kit_test::CurrentFolder here(folder.path());
    kit::Console console(-1, false);
    kit::setConsoleForTesting(&console);

    PairingOutcome outcome;
    {
        kit::TextInput modelFile, observationFile;
        EXPECT_TRUE(modelFile.open("MODEL.TXT"));
        EXPECT_TRUE(observationFile.open("MASTER.cph"));
        BodyFiles bodies;
        bodies.create();
        try {
            outcome.pairs =
                pairObservations(true, modelFile, observationFile, bodies, "MASTER.cph", "MODEL.TXT");
        } catch (const kit::Stop&) {
        }
    }
    outcome.body1 = folder.read("BODY1");
    outcome.console = console.captured();
    kit::setConsoleForTesting(nullptr);
    return outcome;
}

const std::string kHeading = "heading";

TEST(Pairing, TwoObservationsOfOneKeyAndArcTakeTwoModelRecords)
{
    const PairingOutcome o =
        pairCopenhagen({kHeading, "78 10 19 1200 1.9 10 1 .5 -3 800", "78 10 19 1200 1.9 20 2 .5 -3 800"},
                       {kHeading, "78 10 19 1200 1.9 11 1", "78 10 19 1200 1.9 22 2"});
    EXPECT_EQ(o.pairs, 2);
    EXPECT_EQ(o.body1,
              crlfLines({"1      10.0      11.0   1.90  0.500   -3.0   800. 78 10 19  1200",
                         "1      20.0      22.0   1.90  0.500   -3.0   800. 78 10 19  1200"}));
    EXPECT_EQ(o.console, "");
}

TEST(Pairing, OneModelRecordForTwoEqualObservationsIsAMismatch)
{
    const PairingOutcome o =
        pairCopenhagen({kHeading, "78 10 19 1200 1.9 10 1 .5 -3 800", "78 10 19 1200 1.9 20 2 .5 -3 800"},
                       {kHeading, "78 10 19 1200 1.9 11 1", "78 10 19 1300 1.9 22 2"});
    EXPECT_FALSE(o.pairs.has_value());
    EXPECT_EQ(o.body1, crlfLines({"1      10.0      11.0   1.90  0.500   -3.0   800. 78 10 19  1200"}));
    EXPECT_EQ(o.console,
              " Error: mismatch between sets of Date-Time-Distance \r\n values in MASTER.cph detected.\r\n"
              " Execution stopped.\r\n \r\nDate etc. from MASTER.cph: \r\n78 10 19 1200 1.89999998\r\n \r\n"
              "Date etc. from MODEL.TXT:\r\n78 10 19 1300 1.89999998");
}

// Hours given as 12 and 13 fall on one key, so the arcs alone decide.
TEST(Pairing, HoursThatShareAKeyPairByArcAlone)
{
    const PairingOutcome o =
        pairCopenhagen({kHeading, "78 10 19 12 1.9 10 1 .5 -3 800", "78 10 19 13 3.7 20 2 .5 -3 800"},
                       {kHeading, "78 10 19 13 1.9 11 1", "78 10 19 12 3.7 22 2"});
    EXPECT_EQ(o.pairs, 2);
    EXPECT_EQ(o.body1,
              crlfLines({"1      10.0      11.0   1.90  0.500   -3.0   800. 78 10 19    13",
                         "1      20.0      22.0   3.70  0.500   -3.0   800. 78 10 19    12"}));
}

TEST(Pairing, RecordsMaySpreadOverLinesAndALastRecordCutShortIsDropped)
{
    const PairingOutcome o =
        pairCopenhagen({kHeading, "78 10 19 1200", "1.9 10 1 .5 -3 800", "78 10 19 1300 1.9 10"},
                       {kHeading, "78 10 19 1200 1.9 11 1", "78 10 19 1300 1.9 22 2"});
    EXPECT_EQ(o.pairs, 1);
    EXPECT_EQ(o.body1, crlfLines({"1      10.0      11.0   1.90  0.500   -3.0   800. 78 10 19  1200"}));
}

TEST(Pairing, ModelFileOfOnlyItsHeadingGivesNoPairs)
{
    const PairingOutcome o = pairCopenhagen({kHeading, "78 10 19 1200 1.9 10 1 .5 -3 800"}, {kHeading});
    EXPECT_EQ(o.pairs, 0);
    EXPECT_EQ(o.body1, "");
}

} // namespace
} // namespace vendask
