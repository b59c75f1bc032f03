// The readers of the meteorological file and of the SF6 data files, on files the tests write.
#include "Main.h"
#include "ORVUnit1.h"
#include "ViewerTestSupport.h"
#include "vcl/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class Readers : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.write("MISC_KIN.DAT", kMeteoFile);
        forms = std::make_unique<ViewerForms>();
        ASSERT_TRUE(forms->startupBoxes.empty());
    }
    void TearDown() override { forms.reset(); }

    std::vector<std::string> MemoLines(const vcl::TMemo& memo) const { return memo.Lines.All(); }
    std::vector<std::string> Items(const vcl::TComboBox& box) const
    {
        std::vector<std::string> items;
        for (int i = 0; i < box.ItemCount(); ++i)
            items.push_back(box.Item(i));
        return items;
    }
    std::vector<std::string> Row(int row) const
    {
        std::vector<std::string> cells;
        for (int col = 0; col < Form1->StringGrid1->ColCount(); ++col)
            cells.push_back(Form1->StringGrid1->Cells(col, row));
        return cells;
    }
    // Reads experiment `key` of `data` the way a date choice does: empty hour list first.
    void ReadExperiment(const std::string& data, const std::string& key)
    {
        folder.write("SF6_All.DAT", data);
        DataFileName = "SF6_All.DAT";
        SelectedDate = key;
        Form1->ComboBox2->ClearItems();
        ReadExperimentData();
    }

    kit_test::CurrentScratchFolder folder;
    std::unique_ptr<ViewerForms> forms;
};

using Lines = std::vector<std::string>;

TEST_F(Readers, MeteoLinesAreStoredBehindTheirDateKeys)
{
    EXPECT_EQ(MemoLines(*Form1->Memo1),
              (Lines{"50380 80 5 3 1 1200 1100 -0.5 290.1 5.1 7.2 240 0.8 0.4 0.35 1.2 -55",
                     "50380 80 5 3 2 1250 1150 -0.6 290.9 5.4 7.9 245 0.9 0.5 0.37 1.4 -48"}));

    folder.write("MISC_KIN.DAT", "80 5 23 7 a\r\n80 12 3 1\r\n  80 5 3 4 b\r\n\r\n81 1 123 2\r\n80 5\r\n");
    ReadMeteoFile();
    EXPECT_EQ(MemoLines(*Form1->Memo1),
              (Lines{"52380 80 5 23 7 a", "120380 80 12 3 1", "50380   80 5 3 4 b", " ", "112381 81 1 123 2",
                     "580 80 5"}));
}

TEST_F(Readers, AMissingMeteoFileLeavesTheMemoEmpty)
{
    std::remove("MISC_KIN.DAT");
    try {
        ReadMeteoFile();
        FAIL() << "no error";
    } catch (const vcl::EInOutError& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
    EXPECT_EQ(Form1->Memo1->Lines.Count(), 0);
}

TEST_F(Readers, TheExperimentListHoldsEveryHeaderInFileOrder)
{
    const std::string data =
        "50380 111111111111111111111111 2\r\n"
        "1 290 4390 x 1 2 3 4 5 6 7 8 9 10 11 12\r\n 13 14 15 16 17 18 19 20 21 22 23 24\r\n"
        "2 291 4391 x 1 2 3 4 5 6 7 8 9 10 11 12\r\n 13 14 15 16 17 18 19 20 21 22 23 24\r\n"
        "52380 000000000000000000000000 0\r\n" // no pairs: the next line is a header
        "52480 000000000000000000000000 -3\r\n"
        "52580 000000000000000000000000 abc\r\n"
        "52680 000000000000000000000000 1\r\n" // fewer pairs than lines
        "1 290 4390\r\n 13\r\n"
        "9 290 4390.5\r\n 13\r\n"
        "\r\n"; // an empty line makes an empty entry
    folder.write("SF6_All.DAT", data);
    DataFileName = "SF6_All.DAT";
    Form1->ComboBox1->SetText("Experiment Date");
    ReadExperimentList();
    const Lines expected{"50380", "52380", "52480", "52580", "52680", "9", "13", ""};
    EXPECT_EQ(Items(*Form1->ComboBox1), expected);
    EXPECT_EQ(ExperimentDates, expected);
    EXPECT_EQ(Form1->ComboBox1->Text(), "Experiment Date");
    EXPECT_EQ(Form1->ComboBox1->ItemIndex(), -1);
}

TEST_F(Readers, MoreThanThirtyExperimentsAreAllListed)
{
    std::string data;
    for (int i = 1; i <= 45; ++i)
        data += std::to_string(1000 + i) + " 1 1\r\na 1 2\r\n 3\r\n";
    folder.write("SF6_All.DAT", data);
    DataFileName = "SF6_All.DAT";
    ReadExperimentList();
    ASSERT_EQ(Form1->ComboBox1->ItemCount(), 45);
    ASSERT_EQ(ExperimentDates.size(), 45u);
    EXPECT_EQ(ExperimentDates[44], "1045");
    EXPECT_EQ(Form1->ComboBox1->Item(30), "1031");

    // A shorter list later replaces the entries it has and leaves the rest as they were.
    folder.write("SF6_All.DAT", "7 1 0\r\n");
    ReadExperimentList();
    EXPECT_EQ(Items(*Form1->ComboBox1), Lines{"7"});
    EXPECT_EQ(ExperimentDates[0], "7");
}

TEST_F(Readers, AMissingDataFileKeepsThePreviousList)
{
    folder.write("SF6_All.DAT", "50380 1 0\r\n52380 1 0\r\n");
    DataFileName = "SF6_All.DAT";
    ReadExperimentList();
    DataFileName = "SF6_ALL_EVAL.DAT";
    EXPECT_THROW(ReadExperimentList(), vcl::EInOutError);
    EXPECT_EQ(Items(*Form1->ComboBox1), (Lines{"50380", "52380"}));
    EXPECT_EQ(ExperimentDates, (Lines{"50380", "52380"}));
}

TEST_F(Readers, AnExperimentFillsTheHourListAndTheSf6Table)
{
    EXPECT_TRUE(Form1->StringGrid1->isHidden());
    EXPECT_TRUE(Form1->StringGrid2->isHidden());
    ReadExperiment(
        "50380 000000011000000000001011 2\r\n"
        "1 300 4400 x a1 a2 a3 a4 a5 a6 a7 a8 a9 a10 a11 a12\r\n b13 b14 b15 b16 b17 b18 b19 b20 b21 b22 b23 b24\r\n"
        "2 280 4380.6 x -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -12 extra\r\n -13 -14 -15 -16 -17 -18 -19 -20 -21 -22 -23 -24\r\n",
        "50380");
    EXPECT_EQ(Items(*Form1->ComboBox2), (Lines{"8", "9", "21", "23", "24"}));
    const vcl::TStringGrid& grid = *Form1->StringGrid1;
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.ColCount(), 8);
    EXPECT_EQ(grid.ColWidth(0), 35);
    EXPECT_EQ(Row(0), (Lines{"", "Koord X", "Koord Y", "   8", "   9", "   21", "   23", "   24"}));
    EXPECT_EQ(Row(1), (Lines{"1", "300", "4400", "a8", "a9", "b21", "b23", "b24"}));
    EXPECT_EQ(Row(2), (Lines{"2", "280", "4380.6", "-8", "-9", "-21", "-23", "-24"}));
    EXPECT_FALSE(Form1->StringGrid1->isHidden());
    EXPECT_FALSE(Form1->StringGrid2->isHidden());
}

TEST_F(Readers, ShortLinesAShortFlagWordAndAMissingBlankShiftTheHours)
{
    ReadExperiment(
        "50380 100000000001100000000001 3\r\n"
        "1 1 2 x a1 a2 a3\r\n b13 b14 b15 b16 b17 b18 b19 b20 b21 b22 b23 b24\r\n" // fewer than 16 words
        "2 1 2\r\n b1 b2 b3 b4 b5 b6 b7 b8 b9 b10 b11 b12 b13\r\n"                 // fewer than 5 words
        "3 1 2 x a1 a2 a3 a4 a5 a6 a7 a8 a9 a10 a11 a12\r\nb13 b14 b15 b16 b17 b18 b19 b20 b21 b22 b23 b24\r\n",
        "50380");
    EXPECT_EQ(Items(*Form1->ComboBox2), (Lines{"1", "12", "13", "24"}));
    EXPECT_EQ(Row(1), (Lines{"1", "1", "2", "a1", "b21", "b22", ""}));
    EXPECT_EQ(Row(2), (Lines{"2", "1", "2", "b1", "b12", "b13", ""}));
    EXPECT_EQ(Row(3), (Lines{"3", "1", "2", "a1", "a12b13", "b14", ""}));

    ReadExperiment("50380 0001 1\r\n1 1 2 x a1 a2 a3 a4\r\n\r\n",
                   "50380"); // missing flag characters: no data
    EXPECT_EQ(Items(*Form1->ComboBox2), Lines{"4"});
}

TEST_F(Readers, NoHoursOrNoPairsGiveTheBareTable)
{
    ReadExperiment("50380 000000000000000000000000 2\r\n1 290 4390 x 1\r\n 13\r\n2 291 4391 x 1\r\n 13\r\n",
                   "50380");
    EXPECT_EQ(Form1->ComboBox2->ItemCount(), 0);
    EXPECT_EQ(Form1->StringGrid1->ColCount(), 3);
    EXPECT_EQ(Row(2), (Lines{"2", "291", "4391"}));

    for (const char* count : {"0", "-4", "zz"}) {
        ReadExperiment(std::string("50380 111111111111111111111111 ") + count + "\r\n", "50380");
        EXPECT_EQ(Form1->StringGrid1->RowCount(), 1) << count;
        EXPECT_EQ(Form1->StringGrid1->ColCount(), 27) << count;
    }
}

TEST_F(Readers, APairCountBeyondTheFileGivesNumberedEmptyRows)
{
    ReadExperiment("50380 1 3\r\n1 290 4390 x v1\r\n 13\r\n", "50380");
    EXPECT_EQ(Form1->StringGrid1->RowCount(), 4);
    EXPECT_EQ(Row(1), (Lines{"1", "290", "4390", "v1"}));
    EXPECT_EQ(Row(2), (Lines{"2", "", "", ""}));
    EXPECT_EQ(Row(3), (Lines{"3", "", "", ""}));

    // A count no experiment holds is cut to 10000 samplers, and the list stops at the file's end.
    ReadExperiment("50380 1 2147483647\r\n1 290 4390 x v1\r\n 13\r\n", "50380");
    EXPECT_EQ(Form1->StringGrid1->RowCount(), 10001);
    EXPECT_EQ(Row(10000), (Lines{"10000", "", "", ""}));
    ReadExperimentList();
    EXPECT_EQ(ExperimentDates.front(), "50380");
    EXPECT_EQ(Form1->ComboBox1->ItemCount(), 1);
}

TEST_F(Readers, ABlockOfMoreThanTenThousandPairsIsReadWholeAndTheListAgrees)
{
    constexpr int pairs = 10050;
    std::string data = "50380 1 " + std::to_string(pairs) + "\r\n";
    for (int sampler = 1; sampler <= pairs; ++sampler)
        data += std::to_string(sampler) + " " + std::to_string(280 + sampler % 10) + " 4390 x v" +
            std::to_string(sampler) + "\r\n 13\r\n";
    data += "52380 1 1\r\n1 1 2 x n1\r\n 13\r\n";
    ReadExperiment(data, "50380");
    EXPECT_EQ(Form1->StringGrid1->RowCount(), pairs + 1);
    EXPECT_EQ(Row(10001), (Lines{"10001", "281", "4390", "v10001"}));
    EXPECT_EQ(Row(pairs), (Lines{"10050", "280", "4390", "v10050"}));

    // The list skips the same pairs and finds the next experiment behind them.
    ReadExperimentList();
    EXPECT_EQ(Items(*Form1->ComboBox1), (Lines{"50380", "52380"}));
    ReadExperiment(data, "52380");
    EXPECT_EQ(Form1->StringGrid1->RowCount(), 2);
    EXPECT_EQ(Row(1), (Lines{"1", "1", "2", "n1"}));
}

TEST_F(Readers, EveryBlockWithTheKeyIsReadInFileOrder)
{
    ReadExperiment("50380 1 1\r\n1 290 4390 x f1 f2\r\n 13\r\n"
                   "52380 11 1\r\n1 0 0 x o1 o2\r\n 13\r\n"
                   "50380 01 2\r\n1 295 4395 x s1 s2\r\n 13\r\n2 296 4396 x t1 t2\r\n 13\r\n",
                   "50380");
    EXPECT_EQ(Items(*Form1->ComboBox2), (Lines{"1", "2"}));
    EXPECT_EQ(Form1->StringGrid1->RowCount(), 3);
    EXPECT_EQ(Row(1), (Lines{"1", "295", "4395", "s1", "s2"}));
    EXPECT_EQ(Row(2), (Lines{"2", "296", "4396", "t1", "t2"}));

    ReadExperiment("50380 1 0\r\n52380 1 0\r\n", "5038"); // keys compare whole and exact
    EXPECT_EQ(Form1->ComboBox2->ItemCount(), 0);
}

TEST_F(Readers, LinesLongerThan254CharactersAreSplitWhole)
{
    std::string lineA = "1 290.123456789012345 4390.123456789012345 x";
    std::string lineB;
    for (int h = 1; h <= 12; ++h)
        lineA += " " + std::string(20, 'a') + std::to_string(h);
    for (int h = 13; h <= 24; ++h)
        lineB += " " + std::string(20, 'b') + std::to_string(h);
    ASSERT_GT(lineA.size() + lineB.size(), 500u);
    ReadExperiment("50380 100000000001000000000001 1\r\n" + lineA + "\r\n" + lineB + "\r\n", "50380");
    EXPECT_EQ(Row(1),
              (Lines{"1", "290.123456789012345", "4390.123456789012345", std::string(20, 'a') + "1",
                     std::string(20, 'a') + "12", std::string(20, 'b') + "24"}));
}

TEST_F(Readers, AMissingDataFileLeavesTheTableAsItWas)
{
    ReadExperiment("50380 1 1\r\n1 290 4390 x v1\r\n 13\r\n", "50380");
    Form1->StringGrid1->hide();
    DataFileName = "SF6_ALL_EVAL.DAT";
    EXPECT_THROW(ReadExperimentData(), vcl::EInOutError);
    EXPECT_EQ(Row(1), (Lines{"1", "290", "4390", "v1"}));
    EXPECT_TRUE(Form1->StringGrid1->isHidden());
}

} // namespace
