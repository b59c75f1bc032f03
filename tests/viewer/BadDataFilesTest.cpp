// The real forms on data files that are folders, unreadable, empty, binary or of very long
// lines: a file that cannot be read shows its I/O message in the error box, one that can is
// read to its end whatever it holds, and the program answers the next command either way.
#include "Main.h"
#include "ORVUnit1.h"
#include "ProgramRun.h"
#include "ViewerTestSupport.h"
#include "vcl/Application.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

// Puts something bad under a data file's name in the current folder.
using MakeBadFile = std::function<void(const kit_test::ScratchFolder&, const std::string& name)>;

MakeBadFile AFolder()
{
    return [](const kit_test::ScratchFolder& folder, const std::string& name) {
        std::filesystem::create_directory(folder.path() / name);
    };
}

MakeBadFile Bytes(std::string bytes)
{
    return [bytes = std::move(bytes)](const kit_test::ScratchFolder& folder, const std::string& name) {
        folder.write(name, bytes);
    };
}

MakeBadFile Unreadable(std::string bytes)
{
    return [bytes = std::move(bytes)](const kit_test::ScratchFolder& folder, const std::string& name) {
        folder.write(name, bytes);
        std::filesystem::permissions(folder.path() / name, std::filesystem::perms::none);
    };
}

struct BadFile {
    std::string name; // test name
    MakeBadFile make;
    std::string boxText; // the error box's text; empty when no box may come up
    Lines read;          // what the reader leaves: the date list, or the stored meteorological lines
    bool needsUnreadableFile = false;
};

void PrintTo(const BadFile& row, std::ostream* os)
{
    *os << row.name;
}

std::string RowName(const ::testing::TestParamInfo<BadFile>& info)
{
    return info.param.name;
}

std::vector<std::string> Texts(const std::vector<ShownBox>& boxes)
{
    std::vector<std::string> texts;
    for (const ShownBox& box : boxes) {
        EXPECT_EQ(box.Title, vcl::ApplicationTitle());
        EXPECT_EQ(box.Icon, QMessageBox::Critical);
        texts.push_back(box.Text);
    }
    return texts;
}

Lines Dates()
{
    Lines dates;
    for (int i = 0; i < Form1->ComboBox1->ItemCount(); ++i)
        dates.push_back(Form1->ComboBox1->Item(i));
    return dates;
}

Lines BoxTexts(const std::string& text)
{
    return text.empty() ? Lines{} : Lines{text};
}

// The program's answer after a bad file: a good data-set command lists its dates.
void ExpectAGoodDataSetCommandStillListsItsDates(const kit_test::ScratchFolder& folder)
{
    folder.write("SF6_ALL_EVAL.DAT", "70380 1 0\r\n72380 1 0\r\n");
    EXPECT_TRUE(BoxesShownBy([] { MainForm->KincaidEvaluation1->trigger(); }).empty());
    EXPECT_EQ(Form1->Caption(), "Kincaid Evaluation Data");
    EXPECT_EQ(Dates(), (Lines{"70380", "72380"}));
}

const std::string kLongFlagWord(100000, '1');
const std::string kLongMeteoLine = "80 5 3 1 " + std::string(100000, '9');

// An SF6 file in which bytes of every kind stand between the CR line ends: a NUL, a lone LF
// and bytes above 127 are parts of words; a pair count of 2 drops the four lines after it;
// a byte 26 ends the file before a last header.
const std::string kBinarySf6 = "\x7f"
                               "ELF\x02\x01\x01\0\0\0 \x03\0>\0 \xff\xfe\r\n"
                               "\n\x80\x81\x82 1 2\r"
                               "\0\0\0\r\t\t\r9 9 9\r\xff\r"
                               "\xc3\xa9t\xe9 \x01 -1\r\n\x1a"
                               "80380 1 0\r\n"s;

const std::string kBinaryMeteo = "\0\x01\x02 \xff\r\n"
                                 "\n\x80 5 3\r\x1a"
                                 "80 5 3 1\r\n"s;

// The data-set command "Kincaid Developement" on a bad "SF6_All.DAT", after the evaluation data
// set has been listed.
class BadSf6File : public ::testing::TestWithParam<BadFile> {
protected:
    void SetUp() override
    {
        folder.write("MISC_KIN.DAT", kMeteoFile);
        folder.write("SF6_ALL_EVAL.DAT", "60380 1 0\r\n62380 1 0\r\n");
        forms = std::make_unique<ViewerForms>();
        ASSERT_TRUE(forms->startupBoxes.empty());
        MainForm->KincaidEvaluation1->trigger();
        ASSERT_EQ(Dates(), (Lines{"60380", "62380"}));
    }
    void TearDown() override { forms.reset(); }

    kit_test::CurrentScratchFolder folder;
    std::unique_ptr<ViewerForms> forms;
};

TEST_P(BadSf6File, TheCommandShowsTheErrorOrListsWhatTheFileHolds)
{
    const BadFile& row = GetParam();
    if (row.needsUnreadableFile && kit_test::runningAsRoot())
        GTEST_SKIP() << "root reads every file";
    row.make(folder, "SF6_All.DAT");

    EXPECT_EQ(Texts(BoxesShownBy([] { MainForm->Kincaid1->trigger(); })), BoxTexts(row.boxText));
    EXPECT_EQ(Form1->Caption(), "Kincaid Developement Data");
    EXPECT_EQ(DataFileName, "SF6_All.DAT");
    EXPECT_EQ(Dates(), row.read);
    // Entries beyond the list are left from a longer list read before.
    ASSERT_GE(ExperimentDates.size(), row.read.size());
    EXPECT_EQ(Lines(ExperimentDates.begin(), ExperimentDates.begin() + row.read.size()), row.read);

    ExpectAGoodDataSetCommandStillListsItsDates(folder);
}

INSTANTIATE_TEST_SUITE_P(
    DataSetCommand, BadSf6File,
    ::testing::Values(
        // The list of the data set read before stays.
        BadFile{"AFolder", AFolder(), "File access denied.", {"60380", "62380"}},
        BadFile{"Unreadable", Unreadable("50380 1 0\r\n"), "File access denied.", {"60380", "62380"}, true},
        BadFile{"Empty", Bytes(""), "", {}},
        BadFile{"Binary",
                Bytes(kBinarySf6),
                "",
                {"\x7f"
                 "ELF\x02\x01\x01\0\0\0"s,
                 "\n\x80\x81\x82", "\xc3\xa9t\xe9"}},
        BadFile{"ALineOf100000Characters",
                Bytes("50380 " + kLongFlagWord + " 0\r\n52380 1 0\r\n"),
                "",
                {"50380", "52380"}},
        // Far more pairs than lines: the reader stops at the end of the file.
        BadFile{"APairCountBeyondTheFile", Bytes("50380 1 2147483647\r\n1 2 3\r\n"), "", {"50380"}}),
    RowName);

// Start-up in a folder with a bad "MISC_KIN.DAT" and good SF6 files.
class BadMeteoFile : public ::testing::TestWithParam<BadFile> {
protected:
    kit_test::CurrentScratchFolder folder;
};

TEST_P(BadMeteoFile, StartUpShowsTheErrorOrStoresWhatTheFileHolds)
{
    const BadFile& row = GetParam();
    if (row.needsUnreadableFile && kit_test::runningAsRoot())
        GTEST_SKIP() << "root reads every file";
    row.make(folder, "MISC_KIN.DAT");

    ViewerForms forms;
    EXPECT_EQ(Texts(forms.startupBoxes), BoxTexts(row.boxText));
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_EQ(Form1->Caption(), "Veltrana");
    EXPECT_EQ(Form1->Memo1->Lines.All(), row.read);

    ExpectAGoodDataSetCommandStillListsItsDates(folder);
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, BadMeteoFile,
    ::testing::Values(BadFile{"AFolder", AFolder(), "File access denied.", {}},
                      BadFile{"Unreadable", Unreadable(kMeteoFile), "File access denied.", {}, true},
                      BadFile{"Empty", Bytes(""), "", {}},
                      // Each line is stored behind the key that its first three words make, whatever bytes
                      // they are; nothing after the byte 26 is read.
                      BadFile{"Binary",
                              Bytes(kBinaryMeteo),
                              "",
                              {"\xff\0\x01\x02 \0\x01\x02 \xff"s, "503\n\x80 \n\x80 5 3"}},
                      BadFile{"ALineOf100000Characters",
                              Bytes(kLongMeteoLine + "\r\n80 5 23 2\r\n"),
                              "",
                              {"50380 " + kLongMeteoLine, "52380 80 5 23 2"}}),
    RowName);

} // namespace
