#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CurrentFolder.h"
#include "Failure.h"
#include "TextInput.h"
#include "TextOutput.h"

namespace {

std::vector<std::string> allLines(const char* name)
{
    kit::TextInput in;
    EXPECT_TRUE(in.open(name));
    std::vector<std::string> lines;
    std::string_view line;
    while (in.readLine(line))
        lines.emplace_back(line);
    return lines;
}

} // namespace

TEST(TextInput, LineEndsOfEitherSystemReadAlike)
{
    kit_test::CurrentScratchFolder dir;
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"", {}},
        {"\n", {""}},
        {"a\rb\n", {"a\rb"}},
        {std::string(200000, 'x') + "\r\nend", {std::string(200000, 'x'), "end"}},
    };
    for (const Case& c : cases) {
        dir.write("f", c.bytes);
        EXPECT_EQ(allLines("f"), c.lines);
    }
}

TEST(TextInput, StepBackDeliversTheLastLineAgain)
{
    kit_test::CurrentScratchFolder dir;
    dir.write("f", "one\ntwo\nthree\n");
    kit::TextInput in;
    ASSERT_TRUE(in.open("f"));
    std::string_view line;
    in.readLine(line);
    in.readLine(line);
    in.stepBack();
    ASSERT_TRUE(in.readLine(line));
    EXPECT_EQ(line, "two");
    ASSERT_TRUE(in.readLine(line));
    EXPECT_EQ(line, "three");
}

TEST(TextInput, FoldersAndMissingFilesCannotBeOpened)
{
    kit_test::CurrentScratchFolder dir;
    std::filesystem::create_directory(dir.path() / "sub");
    dir.write("sub/f", "x\n");
    kit::TextInput in;
    EXPECT_FALSE(in.open("sub"));
    EXPECT_FALSE(in.open("missing"));
    EXPECT_FALSE(in.open(std::string_view("sub\\f\0x", 7)));
    EXPECT_TRUE(in.open("sub\\f")); // the backslash stands for the folder separator
}

TEST(TextOutput, WritesFromTheStartAndCutsAnOldFile)
{
    kit_test::CurrentScratchFolder dir;
    dir.write("out", std::string(100, 'o'));
    {
        kit::TextOutput out;
        out.create("out");
        out.writeLine("a");
        out.write("raw");
    }
    EXPECT_EQ(dir.read("out"), "a\r\nraw");
}

TEST(TextOutput, AFileThatCannotBeCreatedIsARunTimeFailure)
{
    kit_test::CurrentScratchFolder dir;
    std::filesystem::create_directory(dir.path() / "sub");
    kit::TextOutput out;
    EXPECT_THROW(out.create("sub"), kit::RuntimeFailure);
    EXPECT_THROW(out.create("nofolder\\x"), kit::RuntimeFailure);
}
