// Every way a run stops early: the message lines, the end-of-run lines, the exit code and what
// stays behind in the folder.
#include <functional>

#include <gtest/gtest.h>

#include "BeltaRun.h"

namespace kit_test {
namespace {

const std::vector<std::string> goodModel = {"85 9 16 11 1.0 200.0", "85 9 16 12 1.0 300.0"};
const std::vector<std::string> goodObservations = {"85 9 16 11 1.0 190.0 3 0.4 -1 500",
                                                   "85 9 16 12 1.0 290.0 3 0.4 -1 500"};

std::vector<std::string> lines(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& p : parts)
        all = all + p;
    return all;
}

const std::vector<std::string> dialogueLines = lines({kBannerLines, kQualityPromptLines, kIdPromptLines});

struct StopCase {
    const char* what;
    std::function<void(const ScratchFolder&)> arrange; // after the standard layout is written
    const char* input;
    std::vector<std::string> console;
    std::vector<std::string> listing; // of the folder after the run
    std::string BODY1 = "";           // its contents, when it is listed
};

void PrintTo(const StopCase& c, std::ostream* os)
{
    *os << c.what;
}

const std::vector<std::string> untouched = {"Quorra_Belta.ini", "master", "results"};
const std::vector<std::string> withBodies = {"BODY1", "BODY2", "Quorra_Belta.ini", "master", "results"};

void settings(const ScratchFolder& folder, const std::vector<std::string>& lines)
{
    folder.writeLines("Quorra_Belta.ini", lines);
}

const StopCase stopCases[] = {
    {"settings file missing: three lines, no banner, nothing touched",
     [](const ScratchFolder& folder) { std::filesystem::remove(folder.path() / "Quorra_Belta.ini"); },
     "2\nid\n",
     {"A required file  -  Quorra_Belta.ini - cannot be found.",
      "Quorra_Belta.ini is supposed to contain information  on file locations.", "Program stopped.       "},
     {"master", "results"}},
    {"model results file missing",
     [](const ScratchFolder& folder) { std::filesystem::remove(folder.path() / "results/model.txt"); },
     "2\nid\n",
     lines({kBannerLines,
            {" File results\\model.txt cannot be opened.", " It is expected to contain modelled results.",
             " Edit the file Quorra_Belta.INI to specify where it is located.", " Execution stopped.", " "}}),
     untouched},
    {"observation file missing: its name shows in full, trailing blanks included",
     [](const ScratchFolder& folder) { std::filesystem::remove(folder.path() / "master/MASTER.IND"); },
     "2\nid\n",
     lines({kBannerLines,
            {" ", " Error opening file " + field("master\\MASTER.IND", 256),
             " This file is supplied with the Tarnwick.",
             " Edit the file Quorra_Belta.INI to specify where it is located.", " "}}),
     untouched},
    {"a missing Master_path key leaves the name beginning with the separator",
     [](const ScratchFolder& folder) {
         settings(folder, {"[Files]", "Results_path=results", "Results_file=model.txt"});
     },
     "2\nid\n",
     lines({kBannerLines,
            {" ", " Error opening file " + field("\\MASTER.IND", 256),
             " This file is supplied with the Tarnwick.",
             " Edit the file Quorra_Belta.INI to specify where it is located.", " "}}),
     untouched},
    {"a missing Results_file key names the folder itself, which cannot be read",
     [](const ScratchFolder& folder) {
         settings(folder, {"[Files]", "Results_path=results", "Master_path=master"});
     },
     "2\nid\n",
     lines({kBannerLines,
            {" File results\\ cannot be opened.", " It is expected to contain modelled results.",
             " Edit the file Quorra_Belta.INI to specify where it is located.", " Execution stopped.", " "}}),
     untouched},
    {"trailer file missing: empty bodies stay behind",
     [](const ScratchFolder& folder) { std::filesystem::remove(folder.path() / "master/IND.BTT"); },
     "2\nid\n",
     lines({kBannerLines,
            {" ", " Error opening file master\\IND.BTT", " This file is supplied with the Tarnwick.",
             " Edit the file Quorra_Belta.INI to specify where it is located.", " "}}),
     withBodies, ""},
    {"quality level above 3: no ID dialogue", [](const ScratchFolder&) {}, "4\nid\n",
     lines({kBannerLines, kQualityPromptLines, {" This value is not a valid quality level!"}}), withBodies,
     ""},
    {"quality level below 0", [](const ScratchFolder&) {}, "-1\n",
     lines({kBannerLines, kQualityPromptLines, {" This value is not a valid quality level!"}}), withBodies,
     ""},
    {"read error in the observations: the records paired so far stay in BODY1",
     [](const ScratchFolder& folder) {
         folder.writeLines("master/MASTER.IND",
                           {"heading", "85 9 16 11 1.0 190.0 3 0.4 -1 500", "85 9 16 1x 1.0"});
     },
     "2\nid\n",
     lines({dialogueLines,
            {" ", " Error while reading file " + field("master\\MASTER.IND", 256),
             " This file is supplied with the Tarnwick.", " Check that it contains what it is supposed to.",
             " "}}),
     withBodies, "1  190.0  200.0   1.00  0.400     11   500. 85  9 16 11  3\r\n"},
    {"read error in the model results",
     [](const ScratchFolder& folder) {
         folder.writeLines("results/model.txt", {"heading", "85 9 16 11 1.0 abc"});
     },
     "2\nid\n",
     lines({dialogueLines,
            {" ", " Error while reading the file results\\model.txt",
             " This is a file containing model results.",
             " Check that it conforms with the format specifications.", " "}}),
     withBodies, ""},
};

class StopRun : public testing::TestWithParam<StopCase> {};

TEST_P(StopRun, WritesItsMessageAndEndsTheRun)
{
    const StopCase& c = GetParam();
    ScratchFolder folder;
    writeIndianapolisInputs(folder, goodModel, goodObservations);
    c.arrange(folder);

    const ProgramRun r = runBelta(folder, c.input);

    EXPECT_EQ(r.out, crlfLines(c.console));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.list(), c.listing);
    if (folder.exists("BODY1")) {
        EXPECT_EQ(folder.read("BODY1"), c.BODY1);
        EXPECT_EQ(folder.read("BODY2"), c.BODY1.empty() ? "" : c.BODY1.substr(1));
    }
}

INSTANTIATE_TEST_SUITE_P(Stops, StopRun, testing::ValuesIn(stopCases),
                         [](const testing::TestParamInfo<StopCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

// Reads and writes without a failure path of their own end the run with one diagnostic line
// and the failure's exit code, without the end-of-run lines.
struct FailureCase {
    const char* what;
    std::function<void(const ScratchFolder&)> arrange;
    const char* input;
    std::vector<std::string> console;
    const char* err;
    int exitCode;
    std::vector<std::string> listing;
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << c.what;
}

const FailureCase failureCases[] = {
    {"no answer to the quality prompt", [](const ScratchFolder&) {}, "\n\n",
     lines({kBannerLines, kQualityPromptLines}),
     "run-time error: standard input: end of file before the quality level\n", 2, withBodies},
    {"a quality level that is not an integer", [](const ScratchFolder&) {}, "two\n",
     lines({kBannerLines, kQualityPromptLines}),
     "run-time error: standard input: the quality level is not an integer\n", 3, withBodies},
    {"no answer to the ID prompt", [](const ScratchFolder&) {}, "2", dialogueLines,
     "run-time error: standard input: end of file before the ID string\n", 2, withBodies},
    {"an observation file without its heading line",
     [](const ScratchFolder& folder) { folder.write("master/MASTER.IND", ""); }, "2\nid\n", dialogueLines,
     "run-time error: master\\MASTER.IND: end of file before the heading line\n", 2, withBodies},
    {"a model results file without its heading line",
     [](const ScratchFolder& folder) { folder.write("results/model.txt", ""); }, "2\nid\n", dialogueLines,
     "run-time error: results\\model.txt: end of file before the heading line\n", 2, withBodies},
};

class FailureRun : public testing::TestWithParam<FailureCase> {};

TEST_P(FailureRun, EndsWithDiagnosticAndExitCode)
{
    const FailureCase& c = GetParam();
    ScratchFolder folder;
    writeIndianapolisInputs(folder, goodModel, goodObservations);
    c.arrange(folder);

    const ProgramRun r = runBelta(folder, c.input);

    EXPECT_EQ(r.out, crlfLines(c.console));
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(r.exitCode, c.exitCode);
    EXPECT_EQ(folder.list(), c.listing);
}

INSTANTIATE_TEST_SUITE_P(Failures, FailureRun, testing::ValuesIn(failureCases),
                         [](const testing::TestParamInfo<FailureCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

} // namespace
} // namespace kit_test
