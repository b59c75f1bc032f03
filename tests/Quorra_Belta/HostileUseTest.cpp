// Runs as a hostile or unlucky user makes them: inputs named like the files a run writes, links in
// the pieces' places, a second run in the folder, a "+" in a folder name, a write-protected
// result, a huge answer.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include <gtest/gtest.h>

#include "BeltaRun.h"
#include "LeftLockFile.h"
#include "PairingStopLines.h"
#include "Unlistable.h"
#include "WaitingRun.h"

namespace kit_test {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> modelRecords = {"85 9 16 11 1.0 200.0", "85 9 16 12 1.0 300.0"};
const std::vector<std::string> observationRecords = {"85 9 16 11 1.0 190.0 3 0.4 -1 500",
                                                     "85 9 16 12 1.0 290.0 3 0.4 -1 500"};

void writeSettings(const ScratchFolder& folder, std::string_view resultsPath, std::string_view resultsFile,
                   std::string_view masterPath)
{
    folder.writeLines("Quorra_Belta.ini",
                      {"[Files]", "Results_path=" + std::string(resultsPath),
                       "Results_file=" + std::string(resultsFile), "Master_path=" + std::string(masterPath)});
}

struct CollidingName {
    const char* label;
    const char* resultsPath;
    const char* resultsFile;
    const char* level; // the answer to the quality question
    bool resultFile;   // a result file of that level, which is checked once the level is known
    const char* shown;
};

class InputThatIsAlsoAnOutput : public testing::TestWithParam<CollidingName> {};

// The model results file is a piece, or a result file of the chosen quality level: the run stops
// before it would overwrite it; a piece is checked before anything is written, a result file
// right after the level is chosen (the empty pieces made by then stay, as at every stop).
TEST_P(InputThatIsAlsoAnOutput, StopsBeforeWritingIt)
{
    const CollidingName& c = GetParam();
    ScratchFolder folder;
    writeIndianapolisInputs(folder, modelRecords, observationRecords);
    writeSettings(folder, c.resultsPath, c.resultsFile, "master");
    folder.write(std::string(c.resultsPath) + "/" + c.resultsFile,
                 crlfLines({" YR", "85 9 16 11 1.0 200.0"}));
    Files expected = folder.files();
    std::vector<std::string> lines = kBannerLines;
    if (c.resultFile) {
        expected.insert({{"BODY1", ""}, {"BODY2", ""}});
        lines = lines + kQualityPromptLines;
    }

    const ProgramRun r = runBelta(folder, std::string(c.level) + "\nid\n");

    EXPECT_EQ(r.out, crlfLines(lines + inputWrittenLines(c.shown, "Quorra_Belta.INI", c.resultFile)));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.files(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, InputThatIsAlsoAnOutput,
    testing::Values(CollidingName{"BODY1", ".", "BODY1", "2", false, "BODY1"},
                    CollidingName{"BODY2", ".", "BODY2", "2", false, "BODY2"},
                    CollidingName{"IN_HDR_INP", ".", "IN_HDR.INP", "2", false, "IN_HDR.INP"},
                    CollidingName{"IN_HDR_DAT", ".", "IN_HDR.DAT", "2", false, "IN_HDR.DAT"},
                    CollidingName{"IN2_INP", "results", "IN2.INP", "2", true, "results\\IN2.INP"},
                    CollidingName{"IN0_DAT", "results", "IN0.DAT", "0", true, "results\\IN0.DAT"},
                    CollidingName{"INSCAT3_DAT", "results", "INSCAT3.DAT", "3", true,
                                  "results\\INSCAT3.DAT"}),
    [](const auto& info) { return std::string(info.param.label); });

// A result name of a level other than the chosen one is not written by the run: a model results
// file of that name is read as any other.
TEST(BeltaHostileUse, ResultNameOfAnotherLevelIsNoOutput)
{
    ScratchFolder folder;
    writeIndianapolisInputs(folder, modelRecords, observationRecords);
    writeSettings(folder, "results", "IN0.DAT", "master");
    folder.write("results/IN0.DAT", folder.read("results/model.txt"));

    const ProgramRun r = runBelta(folder, "2\nid\n");

    EXPECT_EQ(r.out, crlfLines(completedRunLines("results\\IN2.INP", "results\\INSCAT2.DAT", 2)));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.read("results/IN0.DAT"), folder.read("results/model.txt"));
    EXPECT_EQ(folder.list("results"),
              (std::vector<std::string>{"IN0.DAT", "IN2.INP", "INSCAT2.DAT", "model.txt"}));
}

struct QuotedName {
    const char* label;
    const char* resultsPath;
    const char* masterPath;
    const char* misreadTrailer; // the trailer the misread command would join, made so that it could
    const char* shown;
};

class NameWithADoubleQuote : public testing::TestWithParam<QuotedName> {};

// A double quote in a folder name would make a COPY read other names than the ones meant (with
// Master_path "m and Results_path r"victim, the destination victim\IN2.INP, a file the settings
// never name): the run stops before anything is written, whatever level would be chosen.
TEST_P(NameWithADoubleQuote, StopsBeforeWritingAnything)
{
    const QuotedName& c = GetParam();
    ScratchFolder folder;
    writeIndianapolisInputs(folder, modelRecords, observationRecords);
    writeSettings(folder, c.resultsPath, "model.txt", c.masterPath);
    folder.write(std::string(c.resultsPath) + "/model.txt", folder.read("results/model.txt"));
    folder.write(std::string(c.masterPath) + "/MASTER.IND", folder.read("master/MASTER.IND"));
    folder.write(std::string(c.masterPath) + "/IND.BTT", kTrailer);
    if (c.misreadTrailer != nullptr)
        folder.write(c.misreadTrailer, kTrailer);
    folder.write("victim/IN2.INP", "a file of the user's");
    const Files before = folder.files();

    const ProgramRun r = runBelta(folder, "2\nid\n");

    EXPECT_EQ(r.out, crlfLines(kBannerLines + nameNotWritableLines(c.shown, "Quorra_Belta.INI")));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.files(), before);
}

INSTANTIATE_TEST_SUITE_P(Names, NameWithADoubleQuote,
                         testing::Values(QuotedName{"ThatWouldNameAnotherDestination", "r\"victim", "\"m",
                                                    "m/IND.BTT r", "\"m\\IND.BTT"},
                                         QuotedName{"ThatIsNeverClosed", "\"r", "master", nullptr,
                                                    "\"r\\IN0.INP"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(BeltaHostileUse, PlantedLinksInThePiecesPlacesAreNotFollowed)
{
    ScratchFolder folder;
    writeIndianapolisInputs(folder, modelRecords, observationRecords);
    const fs::path victim = folder.aside("victim");
    std::ofstream(victim, std::ios::binary) << "precious";
    for (const char* piece : {"BODY1", "BODY2", "IN_HDR.INP", "IN_HDR.DAT"})
        fs::create_symlink(victim, folder / piece);

    const ProgramRun r = runBelta(folder, "2\nid\n");

    EXPECT_EQ(r.out, crlfLines(completedRunLines("results\\IN2.INP", "results\\INSCAT2.DAT", 2)));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(readFile(victim), "precious");
    EXPECT_EQ(folder.list(), (std::vector<std::string>{"Quorra_Belta.ini", "master", "results"}));
}

TEST(BeltaHostileUse, SecondRunInTheSameFolderStops)
{
    ScratchFolder folder;
    writeIndianapolisInputs(folder, modelRecords, observationRecords);
    const Files before = folder.files();
    const int held = ::open(folder.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);

    const ProgramRun r = runBelta(folder, "2\nid\n");
    ::close(held);

    EXPECT_EQ(r.out, crlfLines(folderInUseLines()));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(folder.files(), before);
}

class UnlistableFolder : public testing::TestWithParam<SecondRun> {};

// Where the folder may be written and entered but not listed (mode 0300), it cannot be opened
// to be locked: it is held all the same, also for a run in another network namespace. The first
// run, waiting for its answer, holds it; the second stops and makes nothing, and the first then
// ends as if alone.
TEST_P(UnlistableFolder, IsHeldAsWell)
{
    if (GetParam() == SecondRun::OwnNetwork && !ownNetworkPermitted())
        GTEST_SKIP() << "no network namespace of its own may be made here";
    ScratchFolder folder;
    writeIndianapolisInputs(folder, modelRecords, observationRecords);

    const RunsAtOnce r = runWhileAnotherWaits(folder, {.program = BELTA_BINARY}, "2\nid\n", GetParam());

    EXPECT_EQ(r.second.out, crlfLines(folderInUseLines()));
    EXPECT_EQ(r.second.err, kEndOfRun);
    EXPECT_EQ(r.second.exitCode, 0);
    EXPECT_EQ(r.waiting.out, crlfLines(completedRunLines("results\\IN2.INP", "results\\INSCAT2.DAT", 2)));
    EXPECT_EQ(r.waiting.exitCode, 0);
    EXPECT_EQ(folder.list(), (std::vector<std::string>{"Quorra_Belta.ini", "master", "results"}));
}

INSTANTIATE_TEST_SUITE_P(SecondRuns, UnlistableFolder,
                         testing::Values(SecondRun::SameNetwork, SecondRun::OwnNetwork),
                         [](const auto& info) {
                             return info.param == SecondRun::SameNetwork ? "SameNetwork" : "OwnNetwork";
                         });

// Runs started from two folders whose settings name the same results folder would write the same
// result files: the second stops at once and makes nothing, and the first then ends as if alone.
TEST(BeltaHostileUse, SecondRunWithTheSameResultsFolderStops)
{
    ScratchFolder folder;
    writeIndianapolisInputs(folder, modelRecords, observationRecords);
    for (const char* start : {"one", "two"})
        folder.writeLines(
            std::string(start) + "/Quorra_Belta.ini",
            {"[Files]", "Results_path=..\\results", "Results_file=model.txt", "Master_path=..\\master"});

    const RunsAtOnce r = runWhileAnotherWaits({.program = BELTA_BINARY, .folder = folder / "one"},
                                              {folder / "one", folder / "results"},
                                              {.program = BELTA_BINARY, .folder = folder / "two"}, "2\nid\n");

    EXPECT_EQ(r.second.out,
              crlfLines(kBannerLines + resultsFolderInUseLines("..\\results\\", "Quorra_Belta.INI")));
    EXPECT_EQ(r.second.err, kEndOfRun);
    EXPECT_EQ(r.second.exitCode, 0);
    EXPECT_EQ(folder.list("two"), (std::vector<std::string>{"Quorra_Belta.ini"}));
    EXPECT_EQ(r.waiting.out,
              crlfLines(completedRunLines("..\\results\\IN2.INP", "..\\results\\INSCAT2.DAT", 2)));
    EXPECT_EQ(r.waiting.exitCode, 0);
    EXPECT_EQ(folder.list("results"), (std::vector<std::string>{"IN2.INP", "INSCAT2.DAT", "model.txt"}));
}

class LockFileLeftByAKilledRun : public testing::TestWithParam<LeftLockFile> {};

// The lock file of a killed run holds nothing: the next run takes it and goes on as if it were not
// there, and leaves no lock file behind, however the run ends.
TEST_P(LockFileLeftByAKilledRun, StopsNothingAndIsGoneAfterTheRun)
{
    const LeftLockFile& c = GetParam();
    ScratchFolder folder;
    writeIndianapolisInputs(folder, modelRecords, observationRecords);

    const ProgramRun r = runWithLeftLockFile(folder, c, BELTA_BINARY, "results/model.txt");

    EXPECT_EQ(r.exitCode, c.exitCode);
    if (c.exitCode == 0) {
        EXPECT_EQ(r.out, crlfLines(completedRunLines("results\\IN2.INP", "results\\INSCAT2.DAT", 2)));
    }
    EXPECT_FALSE(folder.exists(lockFileIn(c)));
}

INSTANTIATE_TEST_SUITE_P(
    Ends, LockFileLeftByAKilledRun,
    testing::Values(LeftLockFile{"NormalEnd", ".", false, "2\nid\n", 0, 0},
                    LeftLockFile{"NormalEndUnlisted", ".", true, "2\nid\n", 0, 0},
                    LeftLockFile{"NoAnswerUnlisted", ".", true, "2\n", 0, 2},
                    LeftLockFile{"TermUnlisted", ".", true, "", SIGTERM, 128 + SIGTERM},
                    LeftLockFile{"ResultsFolderNormalEndUnlisted", "results", true, "2\nid\n", 0, 0},
                    LeftLockFile{"ResultsFolderTermUnlisted", "results", true, "", SIGTERM, 128 + SIGTERM}),
    [](const auto& info) { return std::string(info.param.label); });

struct UnlockableFolder {
    const char* label;
    unsigned openFileLimit; // the descriptors run short when the run comes to lock this folder
    std::vector<std::string> out;
};

class FolderThatCannotBeLocked : public testing::TestWithParam<UnlockableFolder> {};

// A folder that cannot be locked (here for want of a free descriptor) is no folder to run in.
TEST_P(FolderThatCannotBeLocked, StopsTheRun)
{
    ScratchFolder folder;
    writeIndianapolisInputs(folder, modelRecords, observationRecords);
    const Files before = folder.files();

    const ProgramRun r = runProgram({.program = BELTA_BINARY,
                                     .folder = folder.path(),
                                     .input = "2\nid\n",
                                     .openFileLimit = GetParam().openFileLimit});

    EXPECT_EQ(r.out, crlfLines(GetParam().out));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.files(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderThatCannotBeLocked,
    testing::Values(UnlockableFolder{"CurrentFolder", 4, folderNotLockedLines("Too many open files")},
                    UnlockableFolder{"ResultsFolder", 6,
                                     kBannerLines +
                                         resultsFolderNotLockedLines("results\\", "Too many open files",
                                                                     "Quorra_Belta.INI")}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(BeltaHostileUse, FolderNameWithAPlusIsQuotedInTheCopyCommands)
{
    ScratchFolder folder;
    writeIndianapolisInputs(folder, modelRecords, observationRecords);
    writeSettings(folder, "res+1", "model.txt", "master");
    fs::rename(folder / "results", folder / "res+1");

    const ProgramRun r = runBelta(folder, "2\nid\n");

    EXPECT_EQ(r.out, crlfLines(completedRunLines("res+1\\IN2.INP", "res+1\\INSCAT2.DAT", 2)));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.list("res+1"), (std::vector<std::string>{"IN2.INP", "INSCAT2.DAT", "model.txt"}));
}

// A result the user may not write is not replaced, as copying over it by hand is refused: it is
// "could not be made", and the pieces stay.
TEST(BeltaHostileUse, WriteProtectedResultIsNotReplaced)
{
    ScratchFolder folder;
    writeIndianapolisInputs(folder, modelRecords, observationRecords);
    folder.write("results/INSCAT2.DAT", "the result of an earlier run");
    folder.handOver();
    fs::permissions(folder / "results/INSCAT2.DAT",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    const ProgramRun r = runProgram(
        {.program = BELTA_BINARY, .folder = folder.path(), .input = "2\nid\n", .unprivileged = true});

    EXPECT_NE(r.out.find("\r\n Error: the file INSCAT2.DAT could not be made in the folder results\r\n"),
              std::string::npos);
    EXPECT_EQ(r.err, "COPY: cannot create results\\INSCAT2.DAT: Permission denied\n" + kEndOfRun);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(folder.read("results/INSCAT2.DAT"), "the result of an earlier run");
    EXPECT_EQ(folder.list(),
              (std::vector<std::string>{"BODY1", "BODY2", "IN_HDR.DAT", "IN_HDR.INP", "Quorra_Belta.ini",
                                        "master", "results"}));
}

// The quality answer counts up to its value: a 100 MB answer line is passed over as it is read.
TEST(BeltaHostileUse, HugeQualityAnswerIsPassedOverAsItIsRead)
{
    ScratchFolder folder;
    writeIndianapolisInputs(folder, modelRecords, observationRecords);
    const fs::path answer = folder.aside("answer");
    writeLongLine(answer, "2 ", 100 << 20, "\nid\n");

    const ProgramRun r = runProgram({.program = BELTA_BINARY, .folder = folder.path(), .inputFile = answer});

    EXPECT_EQ(r.out, crlfLines(completedRunLines("results\\IN2.INP", "results\\INSCAT2.DAT", 2)));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_LT(r.peakMemoryKiB, 48 << 10) << "the program held the line";
}

} // namespace
} // namespace kit_test
