// The Indianapolis example folder, copied elsewhere, runs as its README says.
#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "BeltaRun.h"

namespace kit_test {
namespace {

namespace fs = std::filesystem;

std::size_t lineCount(const std::string& text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(ExampleFolder, RunsWhereItIsCopied)
{
    ScratchFolder folder;
    fs::copy(BELTA_EXAMPLE_FOLDER, folder.path(), fs::copy_options::recursive);

    const ProgramRun r = runBelta(folder, "2\nDemo run\n");

    EXPECT_EQ(r.out, crlfLines(completedRunLines(".\\IN2.INP", ".\\INSCAT2.DAT", 417)));
    EXPECT_EQ(r.err, kEndOfRun);
    EXPECT_EQ(r.exitCode, 0);

    const std::string pairData = folder.read("IN2.INP");
    const std::string trailer = folder.read("IND.BTT");
    EXPECT_EQ(pairData.substr(0, 34), "  417   2   1   4\r\n  417\r\n 'C_OBS'");
    EXPECT_EQ(lineCount(pairData), 4 + 417 + lineCount(trailer));
    EXPECT_EQ(pairData.substr(pairData.size() - trailer.size()), trailer);

    const std::string scatter = folder.read("INSCAT2.DAT");
    EXPECT_EQ(scatter.substr(0, 40), " Indianapolis scatter  -  Demo run    \r\n");
    EXPECT_EQ(lineCount(scatter), 5 + 417);
    EXPECT_FALSE(folder.exists("BODY1"));
}

} // namespace
} // namespace kit_test
