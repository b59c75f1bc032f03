// Reading text files the framework's way, and the I/O messages.
#include "ProgramRun.h"
#include "ViewerTestSupport.h"
#include "vcl/IoErrors.h"
#include "vcl/TextFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <unistd.h>

namespace {

std::vector<std::string> LinesOf(const std::string& bytes)
{
    kit_test::CurrentScratchFolder folder;
    folder.write("f.txt", bytes);
    vcl::TextFile file("f.txt");
    std::vector<std::string> lines;
    while (!file.Eof())
        lines.push_back(file.ReadLn());
    return lines;
}

using Lines = std::vector<std::string>;

TEST(TextFile, SplitsLinesAtCarriageReturns)
{
    const std::pair<std::string, Lines> rows[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},         // a last line without line end still counts
        {"a\rb\r", {"a", "b"}},         // CR alone ends a line
        {"a\nb\r\n", {"a\nb"}},         // a lone LF is an ordinary character
        {"a\r\n\nb\r\n", {"a", "\nb"}}, // only one LF belongs to the line end
        {"\r\n\r\n", {"", ""}},
        {"", {}},
        {"a\r\nb\x1a"
         "c\r\nd\r\n",
         {"a", "b"}}, // byte 26 ends the file
        {"\x1a"
         "a\r\n",
         {}},
        {"a\r\n\x1a", {"a"}},
        {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
    };
    for (const auto& [bytes, expected] : rows)
        EXPECT_EQ(LinesOf(bytes), expected);
}

TEST(TextFile, ReadingPastTheEndGivesEmptyLines)
{
    kit_test::CurrentScratchFolder folder;
    folder.write("f.txt", "only\r\n");
    vcl::TextFile file("f.txt");
    EXPECT_EQ(file.ReadLn(), "only");
    EXPECT_TRUE(file.Eof());
    EXPECT_EQ(file.ReadLn(), "");
    EXPECT_EQ(file.ReadLn(), "");
    EXPECT_TRUE(file.Eof());
}

std::string OpenError(const std::string& name)
{
    try {
        vcl::TextFile file(name);
    } catch (const vcl::EInOutError& e) {
        return e.what();
    }
    return "(opened)";
}

TEST(TextFile, OpenFailuresRaiseTheFrameworkMessages)
{
    kit_test::CurrentScratchFolder folder;
    folder.write("plain", "x");
    EXPECT_EQ(OpenError("missing.DAT"), "File not found");
    EXPECT_EQ(OpenError("plain/below"), "File not found");
    EXPECT_EQ(OpenError("."), "File access denied");
    EXPECT_EQ(OpenError(std::string(5000, 'n')), "Invalid filename");
    if (!kit_test::runningAsRoot()) {
        folder.write("locked", "x");
        chmod("locked", 0);
        EXPECT_EQ(OpenError("locked"), "File access denied");
    }
}

TEST(IoErrors, MapsSystemErrorsToMessages)
{
    const std::pair<int, std::string> rows[] = {
        {ENOENT, "File not found"},      {ENOTDIR, "File not found"},
        {EACCES, "File access denied"},  {EPERM, "File access denied"},
        {EISDIR, "File access denied"},  {EMFILE, "Too many open files"},
        {ENFILE, "Too many open files"}, {ENAMETOOLONG, "Invalid filename"},
        {ENOSPC, "Disk full"},           {EIO, "I/O error 5"},
        {EROFS, "I/O error 30"},
    };
    for (const auto& [code, message] : rows) {
        EXPECT_EQ(vcl::IoErrorMessage(code), message);
        const vcl::EInOutError error = vcl::IoError(code);
        EXPECT_EQ(error.ErrorCode, code);
        EXPECT_STREQ(error.what(), message.c_str());
    }
}

} // namespace
