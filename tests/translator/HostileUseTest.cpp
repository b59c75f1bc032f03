// Runs of TRAXO as a hostile or unlucky user makes them: a page file that is the input under
// another name, links planted in the page files' places, empty words in front of the name, a
// huge comment line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TraxoRun.h"

namespace traxo_test {
namespace {

namespace fs = std::filesystem;

const std::string kPlot = eps({"%!PS-Adobe-3.0 EPSF-3.0", "0 0 M", "100 200 L", "stroke gsave showpage grestore",
                               "%%Trailer"});
const std::string kFirstPage = kPrologue + "PU1046,-1046;PD;PA1308,-523;" + kEpilogue;

std::string oneCompletePage()
{
    return progressLines(2) + totalLine(1) + "\r\n";
}

struct InputUnderAPageName {
    const char* what;
    const char* link;  // a page file's name, made a second name of the input
    std::string out;
    Files made;  // page files the run makes
};

const std::string kRefusedAsPage2 =
    crlfLines({"The page file FIG002.hgl is the input file FIG.eps under another name.", "Execution aborts."});

// A page file that is the input under another name would cut the input while it is read: the run
// stops when it comes to that page, keeping the pages made before; a name that no page of the run
// gets is no harm.
TEST(TraxoHostileUse, InputUnderAPageFileNameIsRefusedWhenThatPageComes)
{
    const InputUnderAPageName cases[] = {
        {"the first page", "FIG001.hgl",
         crlfLines({"The page file FIG001.hgl is the input file FIG.eps under another name.", "Execution aborts."}),
         {}},
        {"the page that never comes", "FIG002.hgl", progressLines(1) + "\r\n" + kRefusedAsPage2,
         {{"FIG001.hgl", kFirstPage}}},
        {"a page the document does not reach", "FIG999.hgl", oneCompletePage(), {{"FIG001.hgl", kFirstPage}}},
    };
    for (const InputUnderAPageName& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        folder.write("FIG.eps", kPlot);
        fs::create_hard_link(folder / "FIG.eps", folder / c.link);

        const RunResult r = runTraxo(folder, {"FIG"});

        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.exitCode, 0);
        Files expected = c.made;
        expected.insert({{"FIG.eps", kPlot}, {c.link, kPlot}});
        EXPECT_EQ(r.files, expected);
    }
}

TEST(TraxoHostileUse, LinksInThePageFilesPlacesAreNotFollowed)
{
    ScratchFolder folder;
    folder.write("FIG.eps", kPlot);
    const fs::path victim = folder.aside("victim");
    std::ofstream(victim, std::ios::binary) << "precious";
    fs::create_symlink(victim, folder / "FIG001.hgl");
    fs::create_symlink(victim, folder / "FIG002.hgl");  // the page that never comes

    const RunResult r = runTraxo(folder, {"FIG"});

    EXPECT_EQ(r.out, oneCompletePage());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.files, (Files{{"FIG.eps", kPlot}, {"FIG001.hgl", kFirstPage}}));
    EXPECT_EQ(kit_test::readFile(victim), "precious");
}

// The name starts after the blanks that follow the program name, and empty words add only blanks.
TEST(TraxoHostileUse, EmptyWordsInFrontOfTheNameAreNotPartOfIt)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"", "FIG"}, {" ", "FIG"}, {"", "", " FIG"}, {"  FIG"}}) {
        ScratchFolder folder;
        folder.write("FIG.eps", kPlot);
        const RunResult r = runTraxo(folder, args);
        EXPECT_EQ(r.out, oneCompletePage()) << args.size() << " words";
        EXPECT_EQ(r.files, (Files{{"FIG.eps", kPlot}, {"FIG001.hgl", kFirstPage}})) << args.size() << " words";
    }
}

// Only the first 40 characters of a line count: a comment of 100 MB is passed over as it is read.
TEST(TraxoHostileUse, HugeCommentLineIsPassedOverAsItIsRead)
{
    ScratchFolder folder;
    kit_test::writeLongLine(folder / "FIG.eps", "%!PS-Adobe-3.0 EPSF-3.0\n0 0 M\n%", 100 << 20,
                            "\n100 200 L\nstroke gsave showpage grestore\n%%Trailer\n");

    const RunResult r = runTraxo(folder, {"FIG"});

    EXPECT_EQ(r.out, oneCompletePage());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_LT(r.peakMemoryKiB, 48 << 10) << "the program held the line";
    EXPECT_EQ(r.files.at("FIG001.hgl"), kFirstPage);
}

} // namespace
} // namespace traxo_test
