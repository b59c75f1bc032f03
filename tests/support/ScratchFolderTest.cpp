// The scratch folder gives back exactly the bytes written, sees what a program left, and goes
// away with everything in and beside it.
#include <gtest/gtest.h>

#include <fstream>

#include "CurrentFolder.h"
#include "ScratchFolder.h"

namespace kit_test {
namespace {

namespace fs = std::filesystem;

TEST(ScratchFolder, WritesReadsListsAndCollectsFiles)
{
    ScratchFolder folder;
    const std::string binary("a\r\n\0b\x1a", 6);
    folder.write("deep/er/file", binary);
    folder.write("b", "old and longer");
    folder.write("b", "new");
    folder.writeLines("lines", {"one", ""});
    folder.makeFolder("empty");
    std::ofstream(folder.aside("log")) << "unseen";

    EXPECT_EQ(folder.read("deep/er/file"), binary);
    EXPECT_EQ(folder.read("b"), "new");
    EXPECT_EQ(folder.read("lines"), "one\r\n\r\n");
    EXPECT_EQ(folder.read("nothing"), "<missing nothing>");
    EXPECT_TRUE(folder.exists("empty"));
    EXPECT_FALSE(folder.exists("log"));
    EXPECT_EQ(folder.list(), (std::vector<std::string>{"b", "deep", "empty", "lines"}));
    EXPECT_EQ(folder.list("deep"), std::vector<std::string>{"er"});
    EXPECT_EQ(folder.files(), (Files{{"b", "new"}, {"deep/er/file", binary}, {"lines", "one\r\n\r\n"}}));
}

TEST(ScratchFolder, RemovesItselfAndWhatLiesBeside)
{
    fs::path inside, beside;
    {
        ScratchFolder folder;
        folder.write("sub/f", "x");
        std::ofstream(folder.aside("log")) << "x";
        inside = folder.path();
        beside = folder.aside("log");
    }
    EXPECT_FALSE(fs::exists(inside));
    EXPECT_FALSE(fs::exists(beside));
}

TEST(CurrentScratchFolder, IsCurrentWhileItLivesAndIsLeftBeforeItGoes)
{
    const fs::path before = fs::current_path();
    fs::path inside;
    {
        CurrentScratchFolder folder;
        std::ofstream("made here") << "x";
        EXPECT_EQ(fs::current_path(), fs::canonical(folder.path()));
        EXPECT_EQ(folder.read("made here"), "x");
        inside = folder.path();
    }
    EXPECT_EQ(fs::current_path(), before);
    EXPECT_FALSE(fs::exists(inside));
}

} // namespace
} // namespace kit_test
