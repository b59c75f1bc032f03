// The example data in examples/kincaid reads cleanly and keeps to the formats' limits.
#include "Main.h"
#include "ORVUnit1.h"
#include "ViewerTestSupport.h"

#include <gtest/gtest.h>

namespace {

class ExampleData : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"MISC_KIN.DAT", "SF6_All.DAT", "SF6_ALL_EVAL.DAT"})
            folder.write(name, kit_test::readFile(std::string(KIT_EXAMPLES_DIR) + "/" + name));
    }
    kit_test::CurrentScratchFolder folder;
};

TEST_F(ExampleData, EveryLineEndsWithCrLfAndStaysWellWithinTheLineLimit)
{
    for (const char* name : {"MISC_KIN.DAT", "SF6_All.DAT", "SF6_ALL_EVAL.DAT"}) {
        const std::string bytes = kit_test::readFile(name);
        ASSERT_FALSE(bytes.empty()) << name;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << name;
        std::size_t start = 0;
        for (std::size_t cr = bytes.find('\r'); cr != std::string::npos; cr = bytes.find('\r', start)) {
            EXPECT_LE(cr - start, 240u) << name; // a stored meteo line adds its key and a blank
            EXPECT_EQ(bytes[cr + 1], '\n') << name;
            start = cr + 2;
        }
    }
}

TEST_F(ExampleData, ListsItsExperimentsAndFillsTheirTables)
{
    ViewerForms forms;
    EXPECT_TRUE(forms.startupBoxes.empty());
    EXPECT_EQ(Form1->Memo1->Lines.Count(), 5 * 24);

    for (QAction* command : {MainForm->Kincaid1, MainForm->KincaidEvaluation1}) {
        ASSERT_TRUE(BoxesShownBy([&] { command->trigger(); }).empty());
        ASSERT_GE(ExperimentDates.size(), 2u);
        for (int item = 0; item < Form1->ComboBox1->ItemCount(); ++item) {
            SelectedDate = Form1->ComboBox1->Item(item);
            Form1->ComboBox2->ClearItems();
            ReadExperimentData();
            const vcl::TStringGrid& grid = *Form1->StringGrid1;
            EXPECT_GE(Form1->ComboBox2->ItemCount(), 4) << SelectedDate;
            EXPECT_GE(grid.RowCount(), 40) << SelectedDate;
            for (int row = 1; row < grid.RowCount(); ++row) {
                const double x = std::stod(grid.Cells(1, row)) - 285.66,
                             y = std::stod(grid.Cells(2, row)) - 4385.1;
                const double distance = std::hypot(x, y);
                EXPECT_GT(distance, 0.4) << SelectedDate << " row " << row;
                EXPECT_LT(distance, 50.1) << SelectedDate << " row " << row;
                for (int col = 3; col < grid.ColCount(); ++col)
                    EXPECT_FALSE(grid.Cells(col, row).empty());
            }
        }
    }
}

} // namespace
