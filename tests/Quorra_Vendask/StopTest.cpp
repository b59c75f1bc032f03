// Runs that stop early: the message lines, the end of run, and what stays on disk.
#include <functional>

#include <gtest/gtest.h>

#include "VendaskRun.h"

namespace kit_test {
namespace {

enum class Reached { Nothing, Banner, Location, Dialogue };

struct StopCase {
    const char* name;
    std::function<void(const ScratchFolder&)> change; // applied to the Copenhagen set-up
    Reached reached;                                  // console lines printed before the message
    Lines message;
    int bodyRecords; // records left in each body file, -1 when no body file is made
};

Lines linesBefore(Reached reached)
{
    switch (reached) {
    case Reached::Nothing:
        return {};
    case Reached::Banner:
        return kBannerLines;
    case Reached::Location:
        return kBannerLines + locationLines(true);
    case Reached::Dialogue:
        return kBannerLines + locationLines(true) + idPromptLines(true);
    }
    return {};
}

Lines firstRecords(const Lines& lines, int n)
{
    return Lines(lines.begin(), lines.begin() + n);
}

void remove(const ScratchFolder& f, const char* name)
{
    std::filesystem::remove(f / name);
}

const Lines kBadLocation = {" ", " Error: The location should be either Copenhagen or Lillestrom",
                            " Edit the file Quorra_Vendask.ini, so Location is either CPH or LIL.", " "};

const Lines kModelResultsMissing = {
    " File runs\\MODEL.TXT cannot be opened.", " It is expected to contain modelled results.",
    " Edit the file Quorra_Vendask.ini to specify where it is located.", " Execution stopped.", " "};

class StopWithMessage : public ::testing::TestWithParam<StopCase> {};

TEST_P(StopWithMessage, PrintsItsMessageAndLeavesThePiecesWritten)
{
    ScratchFolder folder;
    const StopCase& c = GetParam();
    writeCopenhagenInputs(folder);
    c.change(folder);
    const Lines kitBefore = folder.list("kit");
    const Lines runsBefore = folder.list("runs");
    const ProgramRun r = runVendask(folder);

    EXPECT_EQ(r.out, crlfLines(linesBefore(c.reached) + c.message));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);

    EXPECT_EQ(folder.list("kit"), kitBefore);
    EXPECT_EQ(folder.list("runs"), runsBefore);
    Lines expected = {"kit", "runs"};
    if (folder.exists("Quorra_Vendask.ini"))
        expected.push_back("Quorra_Vendask.ini");
    if (c.bodyRecords >= 0) {
        expected = expected + Lines{"BODY1", "BODY2", "BODYY1", "BODYY2"};
        EXPECT_EQ(folder.read("BODY1"), crlfLines(firstRecords(kBody1Cph, c.bodyRecords)));
        EXPECT_EQ(folder.read("BODYY1"), crlfLines(firstRecords(kBodyY1Cph, c.bodyRecords)));
        EXPECT_EQ(folder.read("BODY2"),
                  crlfLines(withoutBlockNumber(firstRecords(kBody1Cph, c.bodyRecords))));
        EXPECT_EQ(folder.read("BODYY2"),
                  crlfLines(withoutBlockNumber(firstRecords(kBodyY1Cph, c.bodyRecords))));
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.list(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StopWithMessage,
    ::testing::Values(
        StopCase{"NoSettingsFile",
                 [](const ScratchFolder& f) { remove(f, "Quorra_Vendask.ini"); },
                 Reached::Nothing,
                 {"A required file  -  Quorra_Vendask.ini - cannot be found.",
                  "Quorra_Vendask.ini is supposed to contain information on file locations.",
                  "Program stopped.       "},
                 -1},
        StopCase{"LocationSpelledOut",
                 [](const ScratchFolder& f) { f.write("Quorra_Vendask.ini", settings("Copenhagen")); },
                 Reached::Banner, kBadLocation, -1},
        StopCase{"LocationAfterABlank",
                 [](const ScratchFolder& f) { f.write("Quorra_Vendask.ini", settings(" cph")); },
                 Reached::Banner, kBadLocation, -1},
        StopCase{"LocationBlank",
                 [](const ScratchFolder& f) { f.write("Quorra_Vendask.ini", settings("   ")); },
                 Reached::Banner, kBadLocation, -1},
        StopCase{"LocationMissing",
                 [](const ScratchFolder& f) {
                     f.write("Quorra_Vendask.ini", crlfLines({"[Files]", "Results_path=runs"}));
                 },
                 Reached::Banner, kBadLocation, -1},
        StopCase{"ModelResultsMissing", [](const ScratchFolder& f) { remove(f, "runs/MODEL.TXT"); },
                 Reached::Location, kModelResultsMissing, -1},
        StopCase{"ModelResultsNameEmpty",
                 [](const ScratchFolder& f) {
                     f.write("Quorra_Vendask.ini",
                             crlfLines({"[Files]", "Location=cph", "Results_path=runs",
                                        "Results_file=", "Master_path=kit"}));
                 },
                 Reached::Location,
                 {" File runs\\ cannot be opened.", " It is expected to contain modelled results.",
                  " Edit the file Quorra_Vendask.ini to specify where it is located.", " Execution stopped.",
                  " "},
                 -1},
        StopCase{"ObservationsMissing",
                 [](const ScratchFolder& f) { remove(f, "kit/MASTER.cph"); },
                 Reached::Location,
                 {" ", " Error opening file " + field("kit\\MASTER.cph", 256),
                  " This file is supplied with the Tarnwick.",
                  " Edit the file Quorra_Vendask.ini to specify where it is located.", " "},
                 -1},
        StopCase{"TrailerMissing",
                 [](const ScratchFolder& f) { remove(f, "kit/cph.BTT"); },
                 Reached::Location,
                 {" ", " Error opening file kit\\cph.BTT", " This file is supplied with the Tarnwick.",
                  " Edit the file Quorra_Vendask.ini to specify where it is located.", " "},
                 0},
        StopCase{"TrailerIsAFolder",
                 [](const ScratchFolder& f) {
                     remove(f, "kit/cph.BTT");
                     std::filesystem::create_directory(f / "kit/cph.BTT");
                 },
                 Reached::Location,
                 {" ", " Error opening file kit\\cph.BTT", " This file is supplied with the Tarnwick.",
                  " Edit the file Quorra_Vendask.ini to specify where it is located.", " "},
                 0},
        StopCase{"ObservationReadError",
                 [](const ScratchFolder& f) {
                     f.write("kit/MASTER.cph",
                             kObservationsCph.substr(0, kObservationsCph.rfind("78 10 19 1300")) +
                                 "78 10 19 1300 x1.9 2000 3000000 0.41 -20.05 1120\r\n");
                 },
                 Reached::Dialogue,
                 {" ", " Error while reading file " + field("kit\\MASTER.cph", 256),
                  " This file is supplied with the Tarnwick.",
                  " Check that it contains what it is supposed to.", " "},
                 2},
        StopCase{"ModelReadError",
                 [](const ScratchFolder& f) {
                     f.write("runs/MODEL.TXT",
                             crlfLines({"heading", "78 10 19 1200 1.9 987.6 2400000.04",
                                        "78 10 19 1200 3.7 5OO 1"}));
                 },
                 Reached::Dialogue,
                 {" ", " Error while reading the file runs\\MODEL.TXT",
                  " This is a file containing model results.",
                  " Check that it conforms with the format specifications.", " "},
                 1},
        StopCase{"ObservationWithoutModelRecord",
                 [](const ScratchFolder& f) {
                     f.write("runs/MODEL.TXT",
                             crlfLines({"heading", "78 10 19 1200 1.9 987.6 2400000.04",
                                        "78,10,19,1300,1.90005,2100.05,3100000"}));
                 },
                 Reached::Dialogue,
                 {" Error: mismatch between sets of Date-Time-Distance ",
                  " values in kit\\MASTER.cph detected.", " Execution stopped.", " ",
                  "Date etc. from kit\\MASTER.cph: ", "78 10 19 1200 3.70000005", " ",
                  "Date etc. from runs\\MODEL.TXT:", "78 10 19 1300 1.90005004"},
                 1},
        StopCase{"ArcsInOppositeOrder",
                 [](const ScratchFolder& f) {
                     f.write("runs/MODEL.TXT",
                             crlfLines({"heading", "78 10 19 1200 3.7 500.25 1700000",
                                        "78 10 19 1200 1.9 987.6 2400000.04",
                                        "78 10 19 1300 1.9 2100.05 3100000"}));
                 },
                 Reached::Dialogue,
                 {" Error: mismatch between sets of Date-Time-Distance ",
                  " values in kit\\MASTER.cph detected.", " Execution stopped.", " ",
                  "Date etc. from kit\\MASTER.cph: ", "78 10 19 1200 3.70000005", " ",
                  "Date etc. from runs\\MODEL.TXT:", "78 10 19 1300 1.89999998"},
                 1}),
    [](const auto& info) { return std::string(info.param.name); });

// Failures without a path of their own: one diagnostic line, a non-zero exit code, no prompt.
struct FailureCase {
    const char* name;
    std::function<void(const ScratchFolder&)> change;
    const char* input;
    Reached reached;
    std::string err;
    int exitCode;
    Lines left; // what the current folder holds afterwards, besides the settings and the folders
};

class RunTimeFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(RunTimeFailure, EndsWithItsDiagnostic)
{
    ScratchFolder folder;
    const FailureCase& c = GetParam();
    writeCopenhagenInputs(folder);
    c.change(folder);
    const ProgramRun r = runVendask(folder, c.input);
    EXPECT_EQ(r.out, crlfLines(linesBefore(c.reached)));
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(r.exitCode, c.exitCode);
    Lines expected = c.left + Lines{"Quorra_Vendask.ini", "kit", "runs"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.list(), expected);
}

const Lines kBodies = {"BODY1", "BODY2", "BODYY1", "BODYY2"};

std::string settingsOfLines(int count)
{
    Lines l = {"[Files]", "Location=cph"};
    while (static_cast<int>(l.size()) < count)
        l.push_back("");
    return crlfLines(l);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunTimeFailure,
    ::testing::Values(
        FailureCase{"ModelFileWithoutFirstLine",
                    [](const ScratchFolder& f) { f.write("runs/MODEL.TXT", ""); }, "x\n", Reached::Dialogue,
                    "run-time error: End of file while reading runs\\MODEL.TXT\n", 2, kBodies},
        FailureCase{"ObservationFileWithoutFirstLine",
                    [](const ScratchFolder& f) { f.write("kit/MASTER.cph", ""); }, "x\n", Reached::Dialogue,
                    "run-time error: End of file while reading kit\\MASTER.cph\n", 2, kBodies},
        FailureCase{"NoAnswerToTheIdQuestion", [](const ScratchFolder&) {}, "", Reached::Dialogue,
                    "run-time error: standard input: end of file before the ID string\n", 2, kBodies},
        FailureCase{"BodyFileCannotBeCreated",
                    [](const ScratchFolder& f) { std::filesystem::create_directory(f / "BODYY1"); },
                    "x\n",
                    Reached::Location,
                    "run-time error: BODYY1: cannot open for writing: Is a directory\n",
                    4,
                    {"BODY1", "BODY2", "BODYY1"}},
        // The settings reader's own stop: a stop text, then the usual end of run.
        FailureCase{"SettingsFileOf101Lines",
                    [](const ScratchFolder& f) { f.write("Quorra_Vendask.ini", settingsOfLines(101)); },
                    "x\n",
                    Reached::Banner,
                    "16\n" + kEndOfRun,
                    0,
                    {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VendaskRun, SettingsFileOfExactly100LinesIsRead)
{
    ScratchFolder folder;
    writeCopenhagenInputs(folder);
    Lines l = {"[Files]", "Location=cph", "Results_path=runs", "Results_file=MODEL.TXT", "Master_path=kit"};
    l.resize(100, "");
    folder.write("Quorra_Vendask.ini", crlfLines(l));
    const ProgramRun r = runVendask(folder);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.list("runs"), (Lines{"CP.INP", "CPSCAT.DAT", "CPY.INP", "CPYSCAT.DAT", "MODEL.TXT"}));
}

} // namespace
} // namespace kit_test
