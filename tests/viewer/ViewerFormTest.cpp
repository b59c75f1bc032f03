// The viewer form: its design (places, sizes, texts, visibility), tab order and event wiring.
#include "GLControl.h"
#include "Main.h"
#include "ORVUnit1.h"
#include "ViewerTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <memory>

namespace {

class ViewerForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.Write("MISC_KIN.DAT", kMeteoFile);
        folder.Write("SF6_All.DAT", kTwoSamplerSf6File);
        forms = std::make_unique<ViewerForms>();
        MainForm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
    }
    void TearDown() override { forms.reset(); }

    TempFolder folder;
    std::unique_ptr<ViewerForms> forms;
};

TEST_F(ViewerForm, ControlsSitAtTheirDesignPlaces)
{
    struct Place {
        const char* name;
        QWidget* control;
        QWidget* parent;
        QRect bounds;
    };
    TForm1& f = *Form1;
    const Place places[] = {
        {"Label1", f.Label1, &f, {211, 459, 233, 13}},      {"GroupBox1", f.GroupBox1, &f, {539, 19, 113, 145}},
        {"TrackBar1", f.TrackBar1, &f, {0, 500, 500, 29}},  {"ComboBox2", f.ComboBox2, &f, {668, 179, 88, 21}},
        {"Memo2", f.Memo2, &f, {11, 363, 446, 105}},        {"ComboBox1", f.ComboBox1, &f, {539, 179, 113, 21}},
        {"Button1", f.Button1, &f, {363, 19, 75, 25}},      {"Button2", f.Button2, &f, {579, 67, 61, 25}},
        {"TrackBar2", f.TrackBar2, &f, {500, 0, 29, 500}},  {"TrackBar3", f.TrackBar3, &f, {549, 35, 29, 121}},
        {"Button3", f.Button3, &f, {579, 99, 61, 25}},      {"Button4", f.Button4, &f, {579, 131, 61, 25}},
        {"Button5", f.Button5, &f, {579, 35, 61, 25}},      {"PageControl1", f.PageControl1, &f, {531, 211, 233, 305}},
        {"StringGrid2", f.StringGrid2, f.TabSheet1, {8, 8, 209, 265}},
        {"StringGrid1", f.StringGrid1, f.TabSheet2, {8, 4, 209, 269}},
        {"Memo1", f.Memo1, &f, {27, 259, 697, 73}},         {"RadioGroup1", f.RadioGroup1, &f, {664, 20, 93, 65}},
        {"GroupBox2", f.GroupBox2, &f, {664, 93, 93, 73}},  {"Label2", f.Label2, f.GroupBox2, {8, 22, 41, 13}},
        {"Label3", f.Label3, f.GroupBox2, {7, 46, 40, 13}}, {"Edit1", f.Edit1, f.GroupBox2, {56, 18, 33, 21}},
        {"Edit2", f.Edit2, f.GroupBox2, {56, 42, 33, 21}},
    };
    for (const Place& place : places) {
        EXPECT_EQ(place.control->parentWidget(), place.parent) << place.name;
        EXPECT_EQ(place.control->geometry(), place.bounds) << place.name;
    }
}

TEST_F(ViewerForm, ShowsTheDesignTextsAndHidesWhatIsHidden)
{
    TForm1& f = *Form1;
    EXPECT_EQ(f.Button2->text().toStdString(), "3D View");
    EXPECT_EQ(f.Button3->text().toStdString(), "Bars Up");
    EXPECT_EQ(f.Button4->text().toStdString(), "Bars Down");
    EXPECT_EQ(f.Button5->text().toStdString(), "2D View");
    EXPECT_EQ(f.GroupBox1->title().toStdString(), "Zoom");
    EXPECT_EQ(f.GroupBox2->title().toStdString(), "Filter (km)");
    EXPECT_EQ(f.RadioGroup1->title().toStdString(), "View");
    EXPECT_EQ(f.RadioGroup1->ItemIndex(), 0);
    EXPECT_EQ(f.Label2->Caption(), "Minimum");
    EXPECT_EQ(f.Label3->Caption(), "Maximim");
    EXPECT_EQ(f.Edit1->Text(), "5");
    EXPECT_EQ(f.Edit2->Text(), "10");
    EXPECT_EQ(f.PageControl1->tabText(0).toStdString(), "Meteo Data");
    EXPECT_EQ(f.PageControl1->tabText(1).toStdString(), "SF6 Data");
    EXPECT_EQ(f.PageControl1->currentWidget(), f.TabSheet1);
    EXPECT_EQ(f.Memo2->Lines.All(), std::vector<std::string>{"Memo2"});
    EXPECT_EQ(f.TrackBar3->Position(), 20);
    EXPECT_EQ(f.TrackBar3->Min(), 1);
    EXPECT_EQ(f.TrackBar3->Max(), 50);
    EXPECT_EQ(f.TrackBar1->Min(), -15);
    EXPECT_EQ(f.StringGrid1->RowHeight(1), 22);
    EXPECT_EQ(f.StringGrid1->RowHeight(2), 24);
    EXPECT_EQ(f.StringGrid2->ColWidth(0), 128);
    EXPECT_EQ(f.StringGrid2->Cells(0, 0), "Mixing Height ZI");
    EXPECT_EQ(f.StringGrid2->Cells(0, 12), "");

    EXPECT_TRUE(f.Memo1->isHidden());
    EXPECT_TRUE(f.GroupBox2->isHidden());
    EXPECT_TRUE(f.StringGrid1->isHidden());
    EXPECT_TRUE(f.StringGrid2->isHidden());
}

TEST_F(ViewerForm, TabReachesTheCoveredSamplerListAfterTheHourBox)
{
    Form1->ComboBox2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Form1->Memo2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(Form1->ComboBox1->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Form1->Button1);
}

} // namespace
