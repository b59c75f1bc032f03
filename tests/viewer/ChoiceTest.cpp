// Date, hour and filter choice: the sampler list, the meteorological column and the filter, on
// data files the tests write.
#include "Main.h"
#include "ORVUnit1.h"
#include "ViewerTestSupport.h"
#include "vcl/Events.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <memory>

namespace {

using Lines = std::vector<std::string>;

// Hours 1, 2 and 3 have data.
const char* const kHours123 = "111000000000000000000000";

class Choice : public ::testing::Test {
protected:
    void Start(const std::string& meteo, const std::string& sf6)
    {
        folder.write("MISC_KIN.DAT", meteo);
        folder.write("SF6_All.DAT", sf6);
        forms = std::make_unique<ViewerForms>();
        ASSERT_TRUE(forms->startupBoxes.empty());
        ASSERT_TRUE(BoxesShownBy([] { MainForm->Kincaid1->trigger(); }).empty());
    }
    void TearDown() override
    {
        forms.reset();
        QLocale::setDefault(QLocale::c());
    }

    // Picks date item `index` as the user would; returns the texts of the boxes shown.
    Lines ChooseDate(int index)
    {
        Form1->ComboBox1->SetItemIndex(index);
        return Texts(BoxesShownBy([] { vcl::Fire(Form1->ComboBox1->OnChange, Form1->ComboBox1); }));
    }
    Lines ChooseHour(int index)
    {
        Form1->ComboBox2->SetItemIndex(index);
        return Texts(BoxesShownBy([] { vcl::Fire(Form1->ComboBox2->OnChange, Form1->ComboBox2); }));
    }
    Lines ClickView(int item)
    {
        Form1->RadioGroup1->SetItemIndex(item);
        return Texts(BoxesShownBy([] { vcl::Fire(Form1->RadioGroup1->OnClick, Form1->RadioGroup1); }));
    }
    static Lines Texts(const std::vector<ShownBox>& boxes)
    {
        Lines texts;
        for (const ShownBox& box : boxes)
            texts.push_back(box.Text);
        return texts;
    }
    static Lines MeteoColumn()
    {
        Lines column;
        for (int row = 0; row < 13; ++row)
            column.push_back(Form1->StringGrid2->Cells(1, row));
        return column;
    }

    kit_test::CurrentScratchFolder folder;
    std::unique_ptr<ViewerForms> forms;
};

const std::string kThreeSamplers = std::string("50380 ") + kHours123 + " 3\r\n" +
    Sampler(1, "300", "4400", "1") + Sampler(2, "290.26", "4390.1", "2") + Sampler(3, "280", "4380.6", "-");

TEST_F(Choice, ADateListsItsSamplersRelativeToTheSourceForTheFirstHour)
{
    Start(kMeteoFile, kThreeSamplers);
    EXPECT_TRUE(ChooseDate(0).empty());
    EXPECT_EQ(SelectedDate, "50380");
    EXPECT_EQ(Form1->ComboBox2->ItemIndex(), 0);
    EXPECT_EQ(Form1->Memo2->Lines.All(), (Lines{"14.34 14.9 11", "4.6 5 21", "-5.66 -4.5 -1"}));

    EXPECT_TRUE(ChooseHour(2).empty());
    EXPECT_EQ(Form1->Memo2->Lines.All(), (Lines{"14.34 14.9 13", "4.6 5 23", "-5.66 -4.5 -3"}));
}

TEST_F(Choice, ACommaLocaleReadsAndWritesCoordinatesWithACommaAndKeepsTheValues)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::string sf6 = std::string("50380 ") + kHours123 + " 3\r\n" + Sampler(1, "300", "4400", "00") +
        Sampler(2, "290,26", "4390,1", "2,") + Sampler(3, "280", "4380,6", "+");
    Start(kMeteoFile, sf6);
    // The values are copied as the file writes them, not converted.
    EXPECT_TRUE(ChooseDate(0).empty());
    EXPECT_EQ(Form1->Memo2->Lines.All(), (Lines{"14,34 14,9 001", "4,6 5 2,1", "-5,66 -4,5 +1"}));
}

TEST_F(Choice, TheMeteorologicalColumnShowsTheMatchingLineAndKeepsItWithoutAMatch)
{
    const std::string meteo = std::string(kMeteoFile) +
        "80 5 3 2 1 2 3 4 5 6 7 8 9 10 11 12 13\r\n" // a later line for hour 2 wins
        "80 5 3 03 9 9 9 9 9 9 9 9 9 9 9 9\r\n";     // "03" is not hour 3
    Start(meteo, kThreeSamplers);
    EXPECT_EQ(MeteoColumn(), Lines(13, ""));
    ChooseDate(0);
    EXPECT_EQ(MeteoColumn(),
              (Lines{"1200", "1100", "-0.5", "290.1", "5.1", "7.2", "240", "0.8", "0.4", "0.35", "1.2", "-55",
                     ""}));
    ChooseHour(1);
    EXPECT_EQ(MeteoColumn(), (Lines{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", ""}));
    ChooseHour(2);
    EXPECT_EQ(MeteoColumn(), (Lines{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", ""}));
    EXPECT_EQ(Form1->Memo2->Lines.Count(), 3);
}

TEST_F(Choice, NoChosenHourListsNoSamplerAndKeepsTheMeteorologicalColumn)
{
    Start(kMeteoFile, kThreeSamplers);
    ChooseDate(0);
    const Lines column = MeteoColumn();
    Form1->ComboBox2->SetText("12"); // typed: no item selected
    EXPECT_EQ(Form1->ComboBox2->ItemIndex(), -1);
    EXPECT_TRUE(ChooseHour(-1).empty());
    EXPECT_EQ(Form1->Memo2->Lines.Count(), 0);
    EXPECT_EQ(MeteoColumn(), column);
}

TEST_F(Choice, ACoordinateThatIsNotANumberEndsTheListAtItsRow)
{
    const std::string sf6 = std::string("50380 ") + kHours123 + " 3\r\n" + Sampler(1, "300", "4400", "1") +
        Sampler(2, "29O", "4390.1", "2") + Sampler(3, "280", "4380.6", "3");
    Start(kMeteoFile, sf6);
    EXPECT_EQ(ChooseDate(0), (Lines{"'29O' is not a valid floating point value."}));
    EXPECT_EQ(Form1->Memo2->Lines.All(), (Lines{"14.34 14.9 11"}));
    EXPECT_EQ(MeteoColumn(), Lines(13, ""));
}

TEST_F(Choice, AnExperimentWithoutSamplersGivesAnEmptyList)
{
    Start(kMeteoFile, std::string("50380 ") + kHours123 + " 0\r\n");
    EXPECT_TRUE(ChooseDate(0).empty());
    EXPECT_EQ(Form1->StringGrid1->RowCount(), 1);
    EXPECT_EQ(Form1->Memo2->Lines.Count(), 0);
}

TEST_F(Choice, ADateTypedIntoTheBoxDoesNothingAndAMissingFileEndsTheChoice)
{
    Start(kMeteoFile, kThreeSamplers);
    Form1->ComboBox1->SetText("5038");
    EXPECT_TRUE(ChooseDate(-1).empty());
    EXPECT_EQ(SelectedDate, "");
    EXPECT_EQ(Form1->Memo2->Lines.All(), (Lines{"Memo2"}));

    ChooseDate(0);
    std::remove("SF6_All.DAT");
    EXPECT_EQ(ChooseDate(0), (Lines{"File not found."}));
    EXPECT_EQ(Form1->ComboBox2->ItemCount(), 0);
    EXPECT_EQ(Form1->ComboBox2->ItemIndex(), -1);
    EXPECT_EQ(Form1->Memo2->Lines.Count(), 3);
}

TEST_F(Choice, TheFilterTakesItsBoundsFromTheEditsWhileChosen)
{
    Start(kMeteoFile, kThreeSamplers);
    EXPECT_EQ(FilterMin, 0.0);
    EXPECT_EQ(FilterMax, 100.0);

    EXPECT_TRUE(ClickView(1).empty());
    EXPECT_EQ(FilterMin, 5.0);
    EXPECT_EQ(FilterMax, 10.0);
    EXPECT_FALSE(Form1->GroupBox2->isHidden());

    // Every change of an edit applies both edits again.
    Form1->Edit1->SetText("7.5");
    EXPECT_EQ(FilterMin, 7.5);
    Form1->Edit1->SetText(""); // an empty edit keeps the bound
    EXPECT_EQ(FilterMin, 7.5);

    EXPECT_TRUE(ClickView(0).empty());
    EXPECT_EQ(FilterMin, 0.0);
    EXPECT_EQ(FilterMax, 100.0);
    EXPECT_TRUE(Form1->GroupBox2->isHidden());
    EXPECT_EQ(Form1->Edit1->Text(), "");

    // Going back reads the edits anew; the empty one keeps the "All data" bound.
    ClickView(1);
    EXPECT_EQ(FilterMin, 0.0);
    EXPECT_EQ(FilterMax, 10.0);

    // No item chosen: nothing.
    FilterMin = 3;
    ClickView(-1);
    EXPECT_EQ(FilterMin, 3.0);
}

TEST_F(Choice, AFilterEditThatIsNotANumberEndsTheClickWhereItFails)
{
    Start(kMeteoFile, kThreeSamplers);
    struct Row {
        std::string edit1;
        const char* edit2;
        std::string error; // empty: no box
        double min, max;
    };
    const std::string longWord(200, '9');
    const Row rows[] = {
        {"-", "10", "'-' is not a valid floating point value.", 1, 2}, // the minimum fails first
        {"7", "x", "'x' is not a valid floating point value.", 7, 2},  // the minimum is already taken
        {"<b>7</b>", "9", "'<b>7</b>' is not a valid floating point value.", 1, 2}, // shown as typed
        {longWord + "x", "9", "'" + longWord + "x' is not a valid floating point value.", 1, 2},
        {"7", "9", "", 7, 9},
    };
    for (const Row& row : rows) {
        Form1->Edit1->SetText(row.edit1); // "All data" is chosen: the edits' events keep 0 and 100
        Form1->Edit2->SetText(row.edit2);
        FilterMin = 1;
        FilterMax = 2;
        const Lines boxes = ClickView(1);
        EXPECT_EQ(boxes, row.error.empty() ? Lines{} : Lines{row.error}) << row.edit1 << " " << row.edit2;
        EXPECT_EQ(FilterMin, row.min);
        EXPECT_EQ(FilterMax, row.max);
        EXPECT_EQ(Form1->GroupBox2->isHidden(), !row.error.empty());
        ClickView(0);
    }
}

} // namespace
