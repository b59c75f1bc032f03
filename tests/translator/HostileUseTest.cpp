// Runs of TRAXO as a hostile or unlucky user makes them: a page file that is the input under
// another name, links planted in the page files' places, a full disk, write-protected pages,
// a sticky folder, signals in the middle of a page, empty words in front of the name, a huge
// comment line.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "FaultInjection.h"
#include "Fifo.h"
#include "TraxoRun.h"

namespace kit_test {
namespace {

namespace fs = std::filesystem;

const std::string kPlot =
    eps({"%!PS-Adobe-3.0 EPSF-3.0", "0 0 M", "100 200 L", "stroke gsave showpage grestore", "%%Trailer"});
const std::string kFirstPage = kPrologue + "PU1046,-1046;PD;PA1308,-523;" + kEpilogue;

std::string oneCompletePage()
{
    return progressLines(2) + totalLine(1) + "\r\n";
}

struct InputUnderAPageName {
    const char* what;
    const char* link; // a page file's name, made a second name of the input
    std::string out;
    Files made; // page files the run makes
};

const std::string kRefusedAsPage2 = crlfLines(
    {"The page file FIG002.hgl is the input file FIG.eps under another name.", "Execution aborts."});

// A page file that is the input under another name would cut the input while it is read: the run
// stops when it comes to that page, keeping the pages made before; a name that no page of the run
// gets is no harm.
TEST(TraxoHostileUse, InputUnderAPageFileNameIsRefusedWhenThatPageComes)
{
    const InputUnderAPageName cases[] = {
        {"the first page",
         "FIG001.hgl",
         crlfLines(
             {"The page file FIG001.hgl is the input file FIG.eps under another name.", "Execution aborts."}),
         {}},
        {"the page that never comes",
         "FIG002.hgl",
         progressLines(1) + "\r\n" + kRefusedAsPage2,
         {{"FIG001.hgl", kFirstPage}}},
        {"a page the document does not reach", "FIG999.hgl", oneCompletePage(), {{"FIG001.hgl", kFirstPage}}},
    };
    for (const InputUnderAPageName& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        folder.write("FIG.eps", kPlot);
        fs::create_hard_link(folder / "FIG.eps", folder / c.link);

        const ProgramRun r = runTraxo(folder, {"FIG"});

        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.exitCode, 0);
        Files expected = c.made;
        expected.insert({{"FIG.eps", kPlot}, {c.link, kPlot}});
        EXPECT_EQ(folder.files(), expected);
    }
}

TEST(TraxoHostileUse, LinksInThePageFilesPlacesAreNotFollowed)
{
    ScratchFolder folder;
    folder.write("FIG.eps", kPlot);
    const fs::path victim = folder.aside("victim");
    std::ofstream(victim, std::ios::binary) << "precious";
    fs::create_symlink(victim, folder / "FIG001.hgl");
    fs::create_symlink(victim, folder / "FIG002.hgl"); // the page that never comes

    const ProgramRun r = runTraxo(folder, {"FIG"});

    EXPECT_EQ(r.out, oneCompletePage());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.files(), (Files{{"FIG.eps", kPlot}, {"FIG001.hgl", kFirstPage}}));
    EXPECT_EQ(readFile(victim), "precious");
}

const std::string kOlderPage = kPrologue + "PU0,0;PD;PA1,1;" + kEpilogue;
const std::string kTwoPages = [] {
    std::vector<std::string> lines{"0 0 M", "100 200 L", "stroke gsave showpage grestore"};
    lines.insert(lines.end(), 1000, "10 20 L");
    lines.insert(lines.end(), {"stroke gsave showpage grestore", "%%Trailer"});
    return eps(lines);
}();

struct UnwritablePage {
    const char* label;
    std::function<void(ScratchFolder&)> setUp;
    Environment environment;
    std::uint64_t fileSizeLimit;
    bool unprivileged; // the fault library is loaded only where root's run finds it
    const char* err;
    std::vector<std::string> names; // the folder's files after the run
    Files files;                    // the bytes of those that matter
};

class PageThatCannotBeWritten : public ::testing::TestWithParam<UnwritablePage> {};

// A page that cannot be written whole, or put on disk, is a run-time failure at that page, and
// the older page under its name stays as it was.
TEST_P(PageThatCannotBeWritten, IsARunTimeFailureThatKeepsTheOlderPage)
{
    const UnwritablePage& c = GetParam();
    ScratchFolder folder;
    folder.write("FIG.eps", kTwoPages);
    c.setUp(folder);

    const ProgramRun r = runProgram({.program = TRAXO_PATH,
                                     .arguments = {"FIG"},
                                     .folder = folder.path(),
                                     .environment = c.environment,
                                     .fileSizeLimit = c.fileSizeLimit,
                                     .unprivileged = c.unprivileged});

    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(r.exitCode, 4);
    EXPECT_EQ(r.out.find("Total"), std::string::npos);
    EXPECT_EQ(folder.list(), c.names);
    for (const auto& [name, bytes] : c.files)
        EXPECT_EQ(folder.read(name), bytes) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, PageThatCannotBeWritten,
    ::testing::Values(
        UnwritablePage{"FullDiskInPage2",
                       [](ScratchFolder& f) {
                           f.write("FIG002.hgl", kOlderPage);
                           f.handOver();
                       },
                       {},
                       4096,
                       true,
                       "run-time error: FIG002.hgl: write failed: File too large\n",
                       {"FIG.eps", "FIG001.hgl", "FIG002.hgl"},
                       Files{{"FIG.eps", kTwoPages}, {"FIG001.hgl", kFirstPage}, {"FIG002.hgl", kOlderPage}}},
        UnwritablePage{"WriteProtectedPage",
                       [](ScratchFolder& f) {
                           f.write("FIG001.hgl", kOlderPage);
                           f.handOver();
                           fs::permissions(f / "FIG001.hgl",
                                           fs::perms::owner_read | fs::perms::group_read |
                                               fs::perms::others_read);
                       },
                       {},
                       0,
                       true,
                       "run-time error: FIG001.hgl: cannot open for writing: Permission denied\n",
                       {"FIG.eps", "FIG001.hgl"},
                       Files{{"FIG.eps", kTwoPages}, {"FIG001.hgl", kOlderPage}}},
        UnwritablePage{"DiskThatCannotTakeThePages",
                       [](ScratchFolder&) {},
                       faultEnvironment({.failingSyncs = true}),
                       0,
                       false,
                       "run-time error: FIG002.hgl: write failed: Input/output error\n",
                       // The pages that came are written, though not known to be on disk; the
                       // file opened for the page after them is gone.
                       {"FIG.eps", "FIG001.hgl", "FIG002.hgl"},
                       Files{{"FIG001.hgl", kFirstPage}}}),
    [](const auto& info) { return std::string(info.param.label); });

struct OtherUsersPage {
    const char* label;
    fs::perms mode;
};

class PageOfAnotherUserInAStickyFolder : public ::testing::TestWithParam<OtherUsersPage> {};

// In a sticky folder the user may write another user's page file but not replace it: the page
// is written into it, and put on disk without a right to read it.
TEST_P(PageOfAnotherUserInAStickyFolder, IsOverwrittenInPlace)
{
    if (!unprivilegedUser())
        GTEST_SKIP() << "needs a second user: runs as root (as in CI)";
    ScratchFolder folder;
    folder.write("FIG.eps", kPlot);
    folder.write("FIG001.hgl", kOlderPage + "and more of the older page");
    folder.handOver();
    for (const char* name : {".", "FIG.eps", "FIG001.hgl"})
        ASSERT_EQ(::lchown((folder / name).c_str(), 0, 0), 0);
    fs::permissions(folder.path(), fs::perms::all | fs::perms::sticky_bit);
    fs::permissions(folder / "FIG001.hgl", GetParam().mode);

    const ProgramRun r = runProgram(
        {.program = TRAXO_PATH, .arguments = {"FIG"}, .folder = folder.path(), .unprivileged = true});

    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, oneCompletePage());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(folder.files(), (Files{{"FIG.eps", kPlot}, {"FIG001.hgl", kFirstPage}}));
}

constexpr fs::perms kEveryoneWrites =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

INSTANTIATE_TEST_SUITE_P(Modes, PageOfAnotherUserInAStickyFolder,
                         ::testing::Values(OtherUsersPage{"ReadAndWrite",
                                                          kEveryoneWrites | fs::perms::owner_read |
                                                              fs::perms::group_read | fs::perms::others_read},
                                           OtherUsersPage{"WriteOnly",
                                                          kEveryoneWrites | fs::perms::owner_read}),
                         [](const auto& info) { return std::string(info.param.label); });

struct Interruption {
    const char* label;
    int signal;
    bool unnamedFiles; // whether the file system can make files without a name
};

class SignalInAPage : public ::testing::TestWithParam<Interruption> {};

// The run is ended while it writes page 1, its input still coming through a FIFO: the older
// page stands and no file of the kit's own is left.
TEST_P(SignalInAPage, LeavesTheOlderPageAndNoTemporary)
{
    const Interruption& c = GetParam();
    ScratchFolder folder;
    folder.write("FIG001.hgl", kOlderPage);
    FifoWriter plot(folder / "FIG.eps");

    const ProgramRun r = runProgram({.program = TRAXO_PATH,
                                     .arguments = {"FIG"},
                                     .folder = folder.path(),
                                     .environment = faultEnvironment({.noUnnamedFiles = !c.unnamedFiles}),
                                     .whileRunning = [&](pid_t run) {
                                         plot.feed("%!PS-Adobe-3.0 EPSF-3.0\n0 0 M\n100 200 L\n");
                                         // Read only once page 1 is begun: the run now waits inside it.
                                         plot.feed("100 300 L\n");
                                         ::kill(run, c.signal);
                                     }});

    EXPECT_EQ(r.signal, c.signal);
    EXPECT_EQ(folder.list(), (std::vector<std::string>{"FIG.eps", "FIG001.hgl"}));
    EXPECT_EQ(folder.read("FIG001.hgl"), kOlderPage);
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalInAPage,
                         ::testing::Values(Interruption{"Kill", SIGKILL, true},
                                           Interruption{"TermWithNamedTemporaries", SIGTERM, false},
                                           Interruption{"IntWithNamedTemporaries", SIGINT, false}),
                         [](const auto& info) { return std::string(info.param.label); });

// The name starts after the blanks that follow the program name, and empty words add only blanks.
TEST(TraxoHostileUse, EmptyWordsInFrontOfTheNameAreNotPartOfIt)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"", "FIG"}, {" ", "FIG"}, {"", "", " FIG"}, {"  FIG"}}) {
        ScratchFolder folder;
        folder.write("FIG.eps", kPlot);
        const ProgramRun r = runTraxo(folder, args);
        EXPECT_EQ(r.out, oneCompletePage()) << args.size() << " words";
        EXPECT_EQ(folder.files(), (Files{{"FIG.eps", kPlot}, {"FIG001.hgl", kFirstPage}}))
            << args.size() << " words";
    }
}

// Only the first 40 characters of a line count: a comment of 100 MB is passed over as it is read.
TEST(TraxoHostileUse, HugeCommentLineIsPassedOverAsItIsRead)
{
    ScratchFolder folder;
    writeLongLine(folder / "FIG.eps", "%!PS-Adobe-3.0 EPSF-3.0\n0 0 M\n%", 100 << 20,
                  "\n100 200 L\nstroke gsave showpage grestore\n%%Trailer\n");

    const ProgramRun r = runTraxo(folder, {"FIG"});

    EXPECT_EQ(r.out, oneCompletePage());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_LT(r.peakMemoryKiB, 48 << 10) << "the program held the line";
    EXPECT_EQ(folder.files().at("FIG001.hgl"), kFirstPage);
}

} // namespace
} // namespace kit_test
