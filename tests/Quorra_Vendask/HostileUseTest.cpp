// Runs as a hostile or unlucky user makes them: names that collide with the run's inputs, links
// planted in the pieces' places, a second run in the same folder, a full disk, a write-protected
// result, signals in the middle of a join, huge lines and inputs that never come. Nothing may be
// lost, nothing claimed that was not made, nothing of the kit's own left behind.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "FaultInjection.h"
#include "LeftLockFile.h"
#include "PairingStopLines.h"
#include "Unlistable.h"
#include "internal/TemporaryNames.h"
#include "VendaskRun.h"
#include "WaitingRun.h"

namespace kit_test {
namespace {

namespace fs = std::filesystem;

Lines copenhagenRunLines()
{
    return kBannerLines + locationLines(true) + idPromptLines(true) +
        Lines{"copy HDR.MAX+BODY1+kit\\cph.BTT runs\\CP.INP", " "} + resultLines(true, "runs") +
        summaryLines(3);
}

Lines inputWrittenLines(const std::string& name)
{
    return kit_test::inputWrittenLines(name, "Quorra_Vendask.ini");
}

struct CollidingName {
    const char* label;
    const char* resultsPath; // where the model results file is looked for
    const char* resultsFile; // its name there
    const char* shown;       // the written file the stop names
};

class InputThatIsAlsoAnOutput : public ::testing::TestWithParam<CollidingName> {};

// The model results file is one of the pieces or a result file: the run stops before it would
// empty or overwrite it, and leaves every file as it found it.
TEST_P(InputThatIsAlsoAnOutput, StopsBeforeWritingAnything)
{
    ScratchFolder folder;
    const CollidingName& c = GetParam();
    writeCopenhagenInputs(folder);
    folder.write("Quorra_Vendask.ini",
                 crlfLines({"[Files]", "Location=cph", std::string("Results_path=") + c.resultsPath,
                            std::string("Results_file=") + c.resultsFile, "Master_path=kit"}));
    folder.write(std::string(c.resultsPath) + "/" + c.resultsFile, kModelCph);
    const Files before = folder.files();

    const ProgramRun r = runVendask(folder);

    EXPECT_EQ(r.out, crlfLines(kBannerLines + locationLines(true) + inputWrittenLines(c.shown)));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.files(), before);
}

INSTANTIATE_TEST_SUITE_P(Names, InputThatIsAlsoAnOutput,
                         ::testing::Values(CollidingName{"BODY1", ".", "BODY1", "BODY1"},
                                           CollidingName{"BODY2", ".", "BODY2", "BODY2"},
                                           CollidingName{"BODYY1", ".", "BODYY1", "BODYY1"},
                                           CollidingName{"BODYY2", ".", "BODYY2", "BODYY2"},
                                           CollidingName{"HDR_MAX", ".", "HDR.MAX", "HDR.MAX"},
                                           CollidingName{"HDR_CWI", ".", "HDR.CWI", "HDR.CWI"},
                                           CollidingName{"HDRDAT_MAX", ".", "HDRDAT.MAX", "HDRDAT.MAX"},
                                           CollidingName{"HDRDAT_CWI", ".", "HDRDAT.CWI", "HDRDAT.CWI"},
                                           CollidingName{"CP_INP", "runs", "CP.INP", "runs\\CP.INP"},
                                           CollidingName{"CPYSCAT_DAT", "runs", "CPYSCAT.DAT",
                                                         "runs\\CPYSCAT.DAT"}),
                         [](const auto& info) { return std::string(info.param.label); });

struct SecondName {
    const char* label;
    const char* input;  // a file the run reads
    const char* linked; // a file the run would write, made another name of it
    const char* shown;
};

class InputUnderASecondName : public ::testing::TestWithParam<SecondName> {};

// Another name of the same file counts as the same file.
TEST_P(InputUnderASecondName, StopsTheRun)
{
    ScratchFolder folder;
    writeCopenhagenInputs(folder);
    fs::create_hard_link(folder / GetParam().input, folder / GetParam().linked);
    const Files before = folder.files();

    const ProgramRun r = runVendask(folder);

    EXPECT_EQ(r.out, crlfLines(kBannerLines + locationLines(true) + inputWrittenLines(GetParam().shown)));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.files(), before);
}

INSTANTIATE_TEST_SUITE_P(
    HardLinks, InputUnderASecondName,
    ::testing::Values(SecondName{"PieceOfTheObservations", "kit/MASTER.cph", "BODYY2", "BODYY2"},
                      SecondName{"ResultFileOfTheTrailer", "kit/cph.BTT", "runs/CPY.INP", "runs\\CPY.INP"}),
    [](const auto& info) { return std::string(info.param.label); });

struct QuotedName {
    const char* label;
    const char* resultsPath;
    const char* masterPath;
    const char* misreadTrailer;    // the trailer the misread command would join, made so that it could
    bool observationsAreTheVictim; // the observation file is a link to the file COPY would hit
    const char* shown;
};

class NameWithADoubleQuote : public ::testing::TestWithParam<QuotedName> {};

// A double quote in a folder name would make the COPY read other names than the ones meant (with
// Master_path "m and Results_path r"victim, the destination victim\CP.INP, a file the settings
// never name): the run stops before anything is written.
TEST_P(NameWithADoubleQuote, StopsBeforeWritingAnything)
{
    ScratchFolder folder;
    const QuotedName& c = GetParam();
    const std::string kit = c.masterPath, results = c.resultsPath;
    folder.write("Quorra_Vendask.ini", settings("cph", results, kit));
    folder.write(kit + "/cph.BTT", kTrailerCph);
    folder.write(results + "/MODEL.TXT", kModelCph);
    if (c.misreadTrailer != nullptr)
        folder.write(c.misreadTrailer, kTrailerCph);
    if (c.observationsAreTheVictim) {
        folder.write("victim/CP.INP", kObservationsCph);
        std::filesystem::create_symlink(folder / "victim/CP.INP", folder / kit / "MASTER.cph");
    } else {
        folder.write(kit + "/MASTER.cph", kObservationsCph);
        folder.write("victim/CP.INP", "a file of the user's");
    }
    const Files before = folder.files();

    const ProgramRun r = runVendask(folder);

    EXPECT_EQ(
        r.out,
        crlfLines(kBannerLines + locationLines(true) + nameNotWritableLines(c.shown, "Quorra_Vendask.ini")));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.files(), before);
}

INSTANTIATE_TEST_SUITE_P(Names, NameWithADoubleQuote,
                         ::testing::Values(QuotedName{"ThatWouldNameAnotherDestination", "r\"victim", "\"m",
                                                      "m/cph.BTT r", false, "\"m\\cph.BTT"},
                                           QuotedName{"ThatWouldOverwriteTheObservations", "r\"victim", "\"m",
                                                      "m/cph.BTT r", true, "\"m\\cph.BTT"},
                                           QuotedName{"ThatIsNeverClosed", "\"r", "kit", nullptr, false,
                                                      "\"r\\CP.INP"}),
                         [](const auto& info) { return std::string(info.param.label); });

class PlantedLink : public ::testing::TestWithParam<const char*> {};

// A link in a piece's place is removed, never written through: the file it leads to keeps its
// bytes, and the run goes on as usual.
TEST_P(PlantedLink, IsNotFollowed)
{
    ScratchFolder folder;
    writeCopenhagenInputs(folder);
    const fs::path victim = folder.aside("victim");
    {
        std::ofstream(victim, std::ios::binary) << "precious";
    }
    fs::create_symlink(victim, folder / GetParam());

    const ProgramRun r = runVendask(folder, "Test run\n");

    EXPECT_EQ(r.out, crlfLines(copenhagenRunLines()));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(readFile(victim), "precious");
    EXPECT_EQ(folder.list(), (Lines{"Quorra_Vendask.ini", "kit", "runs"}));
}

INSTANTIATE_TEST_SUITE_P(Pieces, PlantedLink,
                         ::testing::Values("BODY1", "BODY2", "BODYY1", "BODYY2", "HDR.MAX", "HDR.CWI",
                                           "HDRDAT.MAX", "HDRDAT.CWI"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

struct ResultInTheWay {
    const char* label;
    const char* result;                        // the result file that is refused
    std::function<void(ScratchFolder&)> plant; // what stands in its place
    bool unprivileged;                         // the refusal bites only for an ordinary user
    const char* err;
    const char* kept; // the file whose bytes stay "precious"
};

class ResultFileInTheWay : public ::testing::TestWithParam<ResultInTheWay> {};

// What stands in a result file's place and may not be replaced is neither written through nor
// replaced: that result is "could not be made", the others are made, and the pieces stay.
TEST_P(ResultFileInTheWay, IsKeptAndTheResultNotMade)
{
    ScratchFolder folder;
    const ResultInTheWay& c = GetParam();
    writeCopenhagenInputs(folder);
    c.plant(folder);
    Lines made;
    for (const char* name : {"CP.INP", "CPY.INP", "CPSCAT.DAT", "CPYSCAT.DAT"})
        if (name != std::string_view(c.result))
            made.push_back(name);

    const ProgramRun r = runProgram({.program = VENDASK_BINARY,
                                     .folder = folder.path(),
                                     .input = "Test run\n",
                                     .unprivileged = c.unprivileged});

    EXPECT_EQ(r.out,
              crlfLines(kBannerLines + locationLines(true) + idPromptLines(true) +
                        Lines{"copy HDR.MAX+BODY1+kit\\cph.BTT runs\\CP.INP", " ",
                              std::string(" Error: the file ") + c.result +
                                  " could not be made in the folder runs"} +
                        resultLines(true, "runs", made) + summaryLines(3)));
    EXPECT_EQ(r.err, c.err + kEndOfRun);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(folder.read(c.kept), "precious");
    EXPECT_TRUE(folder.exists("BODY1"));
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, ResultFileInTheWay,
    ::testing::Values(ResultInTheWay{"Link", "CPSCAT.DAT",
                                     [](ScratchFolder& f) {
                                         f.write("elsewhere", "precious");
                                         fs::create_symlink(f / "elsewhere", f / "runs/CPSCAT.DAT");
                                     },
                                     false, "COPY: runs\\CPSCAT.DAT is a link\n", "elsewhere"},
                      // Copying over it by hand is refused too.
                      ResultInTheWay{"WriteProtected", "CP.INP",
                                     [](ScratchFolder& f) {
                                         f.write("runs/CP.INP", "precious");
                                         f.handOver();
                                         fs::permissions(f / "runs/CP.INP",
                                                         fs::perms::owner_read | fs::perms::group_read |
                                                             fs::perms::others_read);
                                     },
                                     true, "COPY: cannot create runs\\CP.INP: Permission denied\n",
                                     "runs/CP.INP"}),
    [](const auto& info) { return std::string(info.param.label); });

// A run holds its folder: a second run there stops at once and makes nothing.
TEST(VendaskRun, SecondRunInTheSameFolderStops)
{
    ScratchFolder folder;
    writeCopenhagenInputs(folder);
    const Files before = folder.files();
    const int held = ::open(folder.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);

    const ProgramRun r = runVendask(folder);
    ::close(held);

    EXPECT_EQ(r.out, crlfLines(folderInUseLines()));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.files(), before);
}

class UnlistableFolder : public ::testing::TestWithParam<SecondRun> {};

// Where the folder may be written and entered but not listed (mode 0300), it cannot be opened
// to be locked: it is held all the same, also for a run in another network namespace. The first
// run, waiting for its answer, holds it; the second stops and makes nothing, and the first then
// ends as if alone.
TEST_P(UnlistableFolder, IsHeldAsWell)
{
    if (GetParam() == SecondRun::OwnNetwork && !ownNetworkPermitted())
        GTEST_SKIP() << "no network namespace of its own may be made here";
    ScratchFolder folder;
    writeCopenhagenInputs(folder);

    const RunsAtOnce r = runWhileAnotherWaits(folder, {.program = VENDASK_BINARY}, "Test run\n", GetParam());

    EXPECT_EQ(r.second.out, crlfLines(folderInUseLines()));
    EXPECT_EQ(r.second.err, kEndOfRun);
    EXPECT_EQ(r.second.exitCode, 0);
    EXPECT_EQ(r.waiting.out, crlfLines(copenhagenRunLines()));
    EXPECT_EQ(r.waiting.exitCode, 0);
    EXPECT_EQ(folder.list(), (Lines{"Quorra_Vendask.ini", "kit", "runs"}));
    EXPECT_TRUE(folder.read("runs/CP.INP").ends_with(crlfLines(kBody1Cph) + kTrailerCph))
        << "the first run's pairs";
}

INSTANTIATE_TEST_SUITE_P(SecondRuns, UnlistableFolder,
                         ::testing::Values(SecondRun::SameNetwork, SecondRun::OwnNetwork),
                         [](const auto& info) {
                             return info.param == SecondRun::SameNetwork ? "SameNetwork" : "OwnNetwork";
                         });

// Runs started from two folders whose settings name the same results folder would write the same
// result files: the second stops at once and makes nothing, and the first then ends as if alone.
TEST(VendaskRun, SecondRunWithTheSameResultsFolderStops)
{
    ScratchFolder folder;
    writeCopenhagenInputs(folder);
    for (const char* start : {"one", "two"})
        folder.write(std::string(start) + "/Quorra_Vendask.ini", settings("cph", "..\\runs", "..\\kit"));

    const RunsAtOnce r = runWhileAnotherWaits(
        {.program = VENDASK_BINARY, .folder = folder / "one"}, {folder / "one", folder / "runs"},
        {.program = VENDASK_BINARY, .folder = folder / "two"}, "Test run\n");

    EXPECT_EQ(r.second.out,
              crlfLines(kBannerLines + locationLines(true) +
                        resultsFolderInUseLines("..\\runs\\", "Quorra_Vendask.ini")));
    EXPECT_EQ(r.second.err, kEndOfRun);
    EXPECT_EQ(r.second.exitCode, 0);
    EXPECT_EQ(folder.list("two"), (Lines{"Quorra_Vendask.ini"}));
    EXPECT_EQ(r.waiting.out,
              crlfLines(kBannerLines + locationLines(true) + idPromptLines(true) +
                        Lines{"copy HDR.MAX+BODY1+..\\kit\\cph.BTT ..\\runs\\CP.INP", " "} +
                        resultLines(true, "..\\runs") + summaryLines(3)));
    EXPECT_EQ(r.waiting.exitCode, 0);
    EXPECT_EQ(folder.list("runs"), (Lines{"CP.INP", "CPSCAT.DAT", "CPY.INP", "CPYSCAT.DAT", "MODEL.TXT"}));
}

class LockFileLeftByAKilledRun : public ::testing::TestWithParam<LeftLockFile> {};

// The lock file of a killed run holds nothing: the next run takes it and goes on as if it were not
// there, and leaves no lock file behind, however the run ends.
TEST_P(LockFileLeftByAKilledRun, StopsNothingAndIsGoneAfterTheRun)
{
    const LeftLockFile& c = GetParam();
    ScratchFolder folder;
    writeCopenhagenInputs(folder);

    const ProgramRun r = runWithLeftLockFile(folder, c, VENDASK_BINARY, "runs/MODEL.TXT");

    EXPECT_EQ(r.exitCode, c.exitCode);
    if (c.exitCode == 0) {
        EXPECT_EQ(r.out, crlfLines(copenhagenRunLines()));
    }
    EXPECT_FALSE(folder.exists(lockFileIn(c)));
}

INSTANTIATE_TEST_SUITE_P(
    Ends, LockFileLeftByAKilledRun,
    ::testing::Values(LeftLockFile{"NormalEnd", ".", false, "Test run\n", 0, 0},
                      LeftLockFile{"NormalEndUnlisted", ".", true, "Test run\n", 0, 0},
                      LeftLockFile{"NoAnswerUnlisted", ".", true, "", 0, 2},
                      LeftLockFile{"TermUnlisted", ".", true, "", SIGTERM, 128 + SIGTERM},
                      LeftLockFile{"ResultsFolderNormalEndUnlisted", "runs", true, "Test run\n", 0, 0},
                      LeftLockFile{"ResultsFolderTermUnlisted", "runs", true, "", SIGTERM, 128 + SIGTERM}),
    [](const auto& info) { return std::string(info.param.label); });

struct UnlockableFolder {
    const char* label;
    unsigned openFileLimit; // the descriptors run short when the run comes to lock this folder
    Lines out;
};

class FolderThatCannotBeLocked : public ::testing::TestWithParam<UnlockableFolder> {};

// A folder that cannot be locked (here for want of a free descriptor) is no folder to run in.
TEST_P(FolderThatCannotBeLocked, StopsTheRun)
{
    ScratchFolder folder;
    writeCopenhagenInputs(folder);
    const Files before = folder.files();

    const ProgramRun r = runProgram(
        {.program = VENDASK_BINARY, .folder = folder.path(), .openFileLimit = GetParam().openFileLimit});

    EXPECT_EQ(r.out, crlfLines(GetParam().out));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.files(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderThatCannotBeLocked,
    ::testing::Values(UnlockableFolder{"CurrentFolder", 4, folderNotLockedLines("Too many open files")},
                      UnlockableFolder{"ResultsFolder", 6,
                                       kBannerLines + locationLines(true) +
                                           resultsFolderNotLockedLines("runs\\", "Too many open files",
                                                                       "Quorra_Vendask.ini")}),
    [](const auto& info) { return std::string(info.param.label); });

// On a full disk the pair-data files, which carry the long trailer, cannot be written whole:
// the result of an earlier run stays as it was, and no half-written copy is left.
TEST(VendaskRun, JoinThatFailsHalfWayKeepsTheOlderResult)
{
    ScratchFolder folder;
    writeCopenhagenInputs(folder);
    const std::string trailer(8000, 't');
    folder.write("kit/cph.BTT", trailer);
    folder.write("runs/CP.INP", "the result of an earlier run");

    const ProgramRun r = runProgram(
        {.program = VENDASK_BINARY, .folder = folder.path(), .input = "Test run\n", .fileSizeLimit = 6000});

    EXPECT_EQ(r.out,
              crlfLines(kBannerLines + locationLines(true) + idPromptLines(true) +
                        Lines{"copy HDR.MAX+BODY1+kit\\cph.BTT runs\\CP.INP", " ",
                              " Error: the file CP.INP could not be made in the folder runs",
                              " Error: the file CPY.INP could not be made in the folder runs"} +
                        resultLines(true, "runs", {"CPSCAT.DAT", "CPYSCAT.DAT"}) + summaryLines(3)));
    EXPECT_EQ(r.err,
              "COPY: cannot copy kit\\cph.BTT to runs\\CP.INP: File too large\n"
              "COPY: cannot copy kit\\cph.BTT to runs\\CPY.INP: File too large\n" +
                  kEndOfRun);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(folder.read("runs/CP.INP"), "the result of an earlier run");
    EXPECT_EQ(folder.list("runs"), (Lines{"CP.INP", "CPSCAT.DAT", "CPYSCAT.DAT", "MODEL.TXT"}));
}

struct Interruption {
    const char* label;
    int signal;
    bool unnamedFiles; // whether the file system can make files without a name
};

class SignalDuringAJoin : public ::testing::TestWithParam<Interruption> {};

// The run is ended while it joins CP.INP: the older CP.INP stands and no file of the kit's own is
// left in the results folder.
TEST_P(SignalDuringAJoin, LeavesTheOlderResultAndNoTemporary)
{
    ScratchFolder folder;
    writeCopenhagenInputs(folder);
    folder.write("runs/CP.INP", "the result of an earlier run");
    const Interruption& c = GetParam();
    const fs::path held = folder.aside("held");

    const ProgramRun r = runProgram(
        {.program = VENDASK_BINARY,
         .folder = folder.path(),
         .input = "Test run\n",
         .environment = faultEnvironment({.noUnnamedFiles = !c.unnamedFiles, .holdInFirstCopy = held}),
         .whileRunning = [&](pid_t run) {
             awaitHeld(held);
             ::kill(run, c.signal);
         }});

    EXPECT_EQ(r.signal, c.signal);
    EXPECT_EQ(folder.read("runs/CP.INP"), "the result of an earlier run");
    EXPECT_EQ(folder.list("runs"), (Lines{"CP.INP", "MODEL.TXT"}));
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalDuringAJoin,
                         ::testing::Values(Interruption{"Term", SIGTERM, true},
                                           Interruption{"Kill", SIGKILL, true},
                                           Interruption{"TermWithNamedTemporaries", SIGTERM, false},
                                           Interruption{"IntWithNamedTemporaries", SIGINT, false},
                                           Interruption{"HupWithNamedTemporaries", SIGHUP, false}),
                         [](const auto& info) { return std::string(info.param.label); });

// A process id that is no longer in use.
pid_t endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

enum class Made { File, Link, OtherUsersFile };

struct Leftover {
    std::string name;
    Made made;
    bool stays;
};

// A temporary that a killed run left beside a result is removed by the next run that writes the
// result. What the run cannot prove to be such a leftover of its own stays: the temporary of a
// process still running, of another host or PID namespace, of another user, a link in its place,
// a name of the older form, and files of the user's that only look alike.
TEST(VendaskRun, TemporariesOfEndedRunsAreRemoved)
{
    ScratchFolder folder;
    writeCopenhagenInputs(folder);
    const pid_t ended = endedProcess();
    const std::string endedId = std::to_string(ended);
    const std::vector<Leftover> leftovers{
        {kit::temporaryNameOf("CP.INP", ended, 0), Made::File, false},
        {kit::temporaryNameOf("CPSCAT.DAT", ended, 3), Made::File, false},
        {kit::temporaryNameOf("CP.INP", ::getpid(), 1), Made::File, true},
        {kit::temporaryNameOf("NOTES", ended, 0), Made::File, true},
        {kit::temporaryNameOf("CP.INP", ended, 2), Made::Link, true},
        {kit::temporaryNameOf("CP.INP", ended, 4), Made::OtherUsersFile, true},
        {"CP.INP.part-0123456789abcdef-" + endedId + "-0", Made::File, true},
        {"CP.INP.part" + endedId + "-0", Made::File, true},
        {"CP.INP.part999999-1", Made::File, true},
        {"CP.INP.part", Made::File, true},
    };
    Lines expected{"CP.INP", "CPSCAT.DAT", "CPY.INP", "CPYSCAT.DAT", "MODEL.TXT"};
    for (const Leftover& l : leftovers) {
        const fs::path path = folder / ("runs/" + l.name);
        if (l.made == Made::Link) {
            fs::create_symlink("MODEL.TXT", path);
        } else {
            folder.write("runs/" + l.name, "left behind");
            // Only a run as root can give a file to another user; the row is left out otherwise.
            if (l.made == Made::OtherUsersFile && ::chown(path.c_str(), 65534, 65534) != 0) {
                fs::remove(path);
                continue;
            }
        }
        if (l.stays)
            expected.push_back(l.name);
    }

    const ProgramRun r = runVendask(folder);

    EXPECT_EQ(r.exitCode, 0);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.list("runs"), expected);
}

struct LongLine {
    const char* label;
    const char* where;
};

class LineLongerThanWhatCounts : public ::testing::TestWithParam<LongLine> {};

// Only the first characters of these lines count: a line of 100 MB neither changes the run nor
// makes the program hold it. (The test writes the line in pieces, so that it does not hold it
// either: the run's peak memory starts from the test's own.)
TEST_P(LineLongerThanWhatCounts, IsPassedOverAsItIsRead)
{
    ScratchFolder folder;
    const std::string where = GetParam().where;
    const std::size_t huge = 100 << 20;
    writeCopenhagenInputs(folder);
    const fs::path answer = folder.aside("answer");
    std::ofstream(answer, std::ios::binary) << "Test run\n";
    if (where == "settings")
        writeLongLine(folder / "Quorra_Vendask.ini", settings("cph") + "[Notes]", huge, "\r\n");
    else if (where == "heading")
        writeLongLine(folder / "runs/MODEL.TXT", "YR MO DY HRE DIST C_MAX C_CWI", huge,
                      kModelCph.substr(kModelCph.find('\r')));
    else
        writeLongLine(answer, "Test run    ", huge, "\n");

    const ProgramRun r =
        runProgram({.program = VENDASK_BINARY, .folder = folder.path(), .inputFile = answer});

    EXPECT_EQ(r.out, crlfLines(copenhagenRunLines()));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_LT(r.peakMemoryKiB, 48 << 10) << "the program held the line";
}

INSTANTIATE_TEST_SUITE_P(Lines, LineLongerThanWhatCounts,
                         ::testing::Values(LongLine{"SettingsLine", "settings"},
                                           LongLine{"ModelHeading", "heading"},
                                           LongLine{"IdAnswer", "answer"}),
                         [](const auto& info) { return std::string(info.param.label); });

// A model results file that is a pipe nobody writes to: the run waits there, and the user sees
// where, since everything said before the wait has reached the screen.
TEST(VendaskRun, WaitOnAPipeShowsWhatCameBefore)
{
    ScratchFolder folder;
    writeCopenhagenInputs(folder);
    fs::remove(folder / "runs/MODEL.TXT");
    ASSERT_EQ(::mkfifo((folder / "runs/MODEL.TXT").c_str(), 0600), 0);

    const ProgramRun r = runProgram({.program = VENDASK_BINARY,
                                     .folder = folder.path(),
                                     .input = "Test run\n",
                                     .limit = std::chrono::milliseconds(1500)});

    EXPECT_TRUE(r.timedOut);
    EXPECT_EQ(r.out + "\r\n", crlfLines(kBannerLines + locationLines(true)));
}

} // namespace
} // namespace kit_test
