#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "BuiltInCommands.h"
#include "Command.h"
#include "Console.h"
#include "CurrentFolder.h"
#include "Failure.h"
#include "FileWriting.h"
#include "HostPath.h"
#include "ResultFiles.h"
#include "TextOutput.h"

namespace {

// Runs commands without an interpreter, and with the console kept in memory.
class Commands : public ::testing::Test {
protected:
    Commands() : console_(-1, false)
    {
        if (const char* c = std::getenv("COMSPEC"))
            saved_ = c;
        ::unsetenv("COMSPEC");
        kit::setConsoleForTesting(&console_);
    }
    ~Commands() override
    {
        kit::setConsoleForTesting(nullptr);
        if (!saved_.empty())
            ::setenv("COMSPEC", saved_.c_str(), 1);
    }
    kit_test::CurrentScratchFolder dir_;
    kit::Console console_;
    std::string saved_;
};

} // namespace

TEST_F(Commands, CopyJoinsSourcesByteForByte)
{
    dir_.write("h", "head\r\n");
    dir_.write("b", "body\r\n");
    dir_.write("t x", "trailer");
    std::filesystem::create_directory(dir_.path() / "out dir");
    EXPECT_EQ(kit::runCommand("COPY  h+ b + \"t x\" \"out dir\\r.inp\"   "), 0);
    EXPECT_EQ(dir_.read("out dir/r.inp"), "head\r\nbody\r\ntrailer");
    EXPECT_EQ(kit::runCommand("copy h+b r2"), 0);
    EXPECT_EQ(dir_.read("r2"), "head\r\nbody\r\n");
}

TEST_F(Commands, CopyFailsWithoutWritingWhenItCannot)
{
    dir_.write("h", "head");
    std::filesystem::create_directory(dir_.path() / "folder");
    struct Case {
        const char* command;
        const char* destination;
    } cases[] = {
        {"COPY h+missing r", "r"}, {"COPY h folder", nullptr}, {"COPY h+ r", nullptr},
        {"COPY h", nullptr},       {"COPY h+h h", nullptr},    {"COPY \"h r", nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_NE(kit::runCommand(c.command), 0) << c.command;
        if (c.destination) {
            EXPECT_FALSE(dir_.exists(c.destination)) << c.command;
        }
    }
    EXPECT_EQ(dir_.read("h"), "head");
}

// What a COPY text names, read without running it; a quote that opens a name swallows what
// follows up to the next quote.
TEST(CopyText, ReadsBackAsTheCommandWouldReadIt)
{
    struct Case {
        const char* text;
        std::vector<std::string> sources;
        std::optional<std::string> destination;
        bool whole;
    } cases[] = {
        {"COPY  h+ b + \"t x\" \"out dir\\r.inp\"   ", {"h", "b", "t x"}, "out dir\\r.inp", true},
        {"copy h+\"m\\t r\"v\\d", {"h", "m\\t r"}, "v\\d", true},
        {"COPY h+\"m\\t r\\d", {"h"}, std::nullopt, false},
        {"COPY h+b r\"s t", {"h", "b"}, "r\"s", false},
        {"DEL h", {}, std::nullopt, false},
    };
    for (const Case& c : cases) {
        const kit::CopyOperands read = kit::readCopyCommand(c.text);
        EXPECT_EQ(read.sources, c.sources) << c.text;
        EXPECT_EQ(read.destination, c.destination) << c.text;
        EXPECT_EQ(read.problem.empty(), c.whole) << c.text;
    }
}

TEST_F(Commands, DelRemovesExactlyOneFile)
{
    dir_.write("a b", "x");
    dir_.write("a", "x");
    EXPECT_EQ(kit::runCommand("Del \"a b\""), 0);
    EXPECT_FALSE(dir_.exists("a b"));
    EXPECT_TRUE(dir_.exists("a"));
    EXPECT_NE(kit::runCommand("DEL a b"), 0);
    EXPECT_NE(kit::runCommand("DEL missing"), 0);
    EXPECT_TRUE(dir_.exists("a"));
}

TEST_F(Commands, OtherCommandsGoToTheShell)
{
    EXPECT_EQ(kit::runCommand("echo made > shell.txt"), 0);
    EXPECT_EQ(dir_.read("shell.txt"), "made\n");
}

TEST_F(Commands, AnInterpreterNamedByComspecGetsSlashCAndTheText)
{
    dir_.write("interp", "#!/bin/sh\nprintf '%s|%s' \"$1\" \"$2\" > args.txt\n");
    ::chmod((dir_.path() / "interp").c_str(), 0755);
    ::setenv("COMSPEC", (dir_.path() / "interp").c_str(), 1);
    kit::runCommand("COPY  a+b c   ");
    ::unsetenv("COMSPEC");
    EXPECT_EQ(dir_.read("args.txt"), "/c|COPY  a+b c   ");
}

TEST_F(Commands, CopyAndCheckJudgesTheResultBySize)
{
    dir_.write("h", "12");
    dir_.write("b", "345");
    std::filesystem::create_directory(dir_.path() / "taken");
    EXPECT_TRUE(kit::copyAndCheck("COPY h+b r", "r", {"h", "b"}));
    EXPECT_FALSE(kit::copyAndCheck("COPY h+b taken", "taken", {"h", "b"}));
    EXPECT_FALSE(kit::copyAndCheck("COPY h+gone r2", "r2", {"h", "gone"}));
    EXPECT_EQ(kit::commandName("C:\\my runs\\CP.INP"), "\"C:\\my runs\\CP.INP\"");
    EXPECT_EQ(kit::commandName("C:\\RUNS\\CP.INP"), "C:\\RUNS\\CP.INP");
}

// A name that holds a NUL reaches no file, though the part before the NUL names one: the system
// would read the NUL as the end of the name.
TEST_F(Commands, ANameWithANulReachesNoFile)
{
    dir_.write("f", "kept");
    dir_.write("h", "other");
    const std::string nul("f\0x", 3);
    EXPECT_FALSE(kit::isReadableFile(nul));
    EXPECT_FALSE(kit::fileIdentity(nul));
    EXPECT_FALSE(kit::writtenFileSize(nul, kit::Sync::ToDisk));
    kit::TextOutput out;
    EXPECT_THROW(out.create(nul), kit::RuntimeFailure);
    for (const std::string& command : {"COPY h " + nul, "DEL " + nul})
        EXPECT_EQ(kit::runBuiltInCommand(command), 1) << command.substr(0, 4);
    EXPECT_EQ(dir_.read("f"), "kept");
}
