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

TEST(TraxoHostileUse, PageFileThatIsTheInputUnderAnotherNameStopsTheRun)
{
    ScratchFolder folder;
    folder.write("FIG.eps", kPlot);
    fs::create_hard_link(folder / "FIG.eps", folder / "FIG002.hgl");

    const RunResult r = runTraxo(folder, {"FIG"});

    EXPECT_EQ(r.out, "The page file FIG002.hgl is the input file FIG.eps under another name.\r\nExecution aborts.\r\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.files, (Files{{"FIG.eps", kPlot}, {"FIG002.hgl", kPlot}}));
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
