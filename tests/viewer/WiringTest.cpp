// The viewer's controls reach their handlers: the user's picks, clicks and keys on the form.
#include "GLControl.h"
#include "Main.h"
#include "ORVUnit1.h"
#include "ViewerTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace {

class Wiring : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.write("MISC_KIN.DAT", kMeteoFile);
        folder.write("SF6_All.DAT", kTwoSamplerSf6File);
        forms = std::make_unique<ViewerForms>();
        ASSERT_TRUE(forms->startupBoxes.empty());
        MainForm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
        MainForm->Kincaid1->trigger();
    }
    void TearDown() override { forms.reset(); }

    // Frames drawn while the action runs.
    long FramesDuring(const std::function<void()>& action)
    {
        const long before = FramesShown();
        action();
        return FramesShown() - before;
    }

    kit_test::CurrentScratchFolder folder;
    std::unique_ptr<ViewerForms> forms;
};

using Lines = std::vector<std::string>;

TEST_F(Wiring, PickingADateReadsTheExperimentAndChoosesItsFirstHour)
{
    Form1->ComboBox1->setFocus();
    QTest::keyClick(Form1->ComboBox1, Qt::Key_Down);
    EXPECT_EQ(SelectedDate, "50380");
    EXPECT_EQ(Form1->ComboBox1->ItemIndex(), 0);
    EXPECT_FALSE(Form1->StringGrid1->isHidden());
    EXPECT_FALSE(Form1->StringGrid2->isHidden());
    EXPECT_EQ(Form1->ComboBox2->ItemCount(), 2);
    EXPECT_EQ(Form1->ComboBox2->ItemIndex(), 0);
    EXPECT_EQ(Form1->ComboBox2->Text(), "2");
    EXPECT_EQ(Form1->Memo2->Lines.All(), (Lines{"14.34 14.9 20", "4.6 5 21"}));
    EXPECT_EQ(Form1->StringGrid2->Cells(1, 0), "1250");

    // Picking the next hour rebuilds the sampler list.
    Form1->ComboBox2->setFocus();
    QTest::keyClick(Form1->ComboBox2, Qt::Key_Down);
    EXPECT_EQ(Form1->Memo2->Lines.All(), (Lines{"14.34 14.9 30", "4.6 5 31"}));
}

TEST_F(Wiring, TypingIntoTheDateBoxReadsNothingAlsoWithEnter)
{
    Form1->ComboBox1->setFocus();
    QTest::keyClicks(Form1->ComboBox1->lineEdit(), "50380");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Form1->ComboBox1->ItemIndex(), -1);
    EXPECT_TRUE(SelectedDate.empty());
    EXPECT_TRUE(Form1->StringGrid1->isHidden());

    // After a pick, another listed date typed and entered reads nothing either.
    QTest::keyClick(Form1->ComboBox1, Qt::Key_Down);
    ASSERT_EQ(SelectedDate, "50380");
    Form1->ComboBox1->lineEdit()->clear();
    QTest::keyClicks(Form1->ComboBox1->lineEdit(), "52380");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(Form1->ComboBox1->ItemIndex(), -1);
    EXPECT_EQ(SelectedDate, "50380");
    EXPECT_EQ(Form1->ComboBox2->ItemCount(), 2);
}

// Before any date the SF6 table has its designed empty rows, whose first coordinate is no
// number: the hour handler stops there, and the one keystroke shows its box once.
TEST_F(Wiring, TypingIntoTheHourBoxBeforeADateShowsTheEmptyCoordinateOnce)
{
    Form1->ComboBox2->setFocus();
    const auto boxes = BoxesShownBy([] {
        QTest::keyClicks(Form1->ComboBox2->lineEdit(), "7");
        QTest::qWait(100); // what the box uncovered as it closed is repainted meanwhile
    });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "'' is not a valid floating point value.");
    EXPECT_EQ(Form1->Memo2->Lines.Count(), 0);
}

TEST_F(Wiring, TheFilterFollowsTheViewChoiceAndTheEdits)
{
    QTest::mouseClick(Form1->RadioGroup1->Button(1), Qt::LeftButton);
    EXPECT_FALSE(Form1->GroupBox2->isHidden());
    EXPECT_EQ(FilterMin, 5.0);
    EXPECT_EQ(FilterMax, 10.0);

    Form1->Edit1->setFocus(Qt::MouseFocusReason);
    Form1->Edit1->end(false);
    QTest::keyClick(Form1->Edit1, Qt::Key_0);
    EXPECT_EQ(FilterMin, 50.0);
    Form1->Edit2->SetText("12");
    EXPECT_EQ(FilterMax, 12.0);

    QTest::mouseClick(Form1->RadioGroup1->Button(0), Qt::LeftButton);
    EXPECT_TRUE(Form1->GroupBox2->isHidden());
    EXPECT_EQ(FilterMin, 0.0);
    EXPECT_EQ(FilterMax, 100.0);
}

TEST_F(Wiring, AClickOnTheChosenViewChangesNothingAndDrawsNoFrame)
{
    EXPECT_EQ(FramesDuring([] { QTest::mouseClick(Form1->RadioGroup1->Button(0), Qt::LeftButton); }), 0);
    QTest::mouseClick(Form1->RadioGroup1->Button(1), Qt::LeftButton);
    Form1->Edit1->SetText("7"); // applied at once while the filter is chosen
    FilterMin = 1;
    EXPECT_EQ(FramesDuring([] { QTest::mouseClick(Form1->RadioGroup1->Button(1), Qt::LeftButton); }), 0);
    EXPECT_EQ(FilterMin, 1.0);
}

TEST_F(Wiring, TheSamplerListThatTheUserTypesIsTheOneThatIsDrawn)
{
    Form1->ComboBox2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Form1->Memo2);
    Form1->Memo2->selectAll();
    QTest::keyClicks(Form1->Memo2, "-8.75 8.75 100");
    QTest::keyClick(Form1->Memo2, Qt::Key_Return);
    QTest::keyClicks(Form1->Memo2, "x 0 5");
    EXPECT_EQ(Form1->Memo2->Lines.All(), (Lines{"-8.75 8.75 100", "x 0 5"}));
    const auto boxes = BoxesShownBy([] { Form1->Button1->click(); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "'x' is not a valid floating point value.");
}

TEST_F(Wiring, TheBarButtonsAnswerClicksAndKeys)
{
    QTest::mouseClick(Form1->Button3, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(BarScale, 0.011);
    Form1->Button4->setFocus();
    QTest::keyClick(Form1->Button4, Qt::Key_Space);
    QTest::keyClick(Form1->Button4, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(BarScale, 0.009);
}

TEST_F(Wiring, TheMinimumLabelAndTheTrackBarsRedraw)
{
    QTest::mouseClick(Form1->RadioGroup1->Button(1), Qt::LeftButton);
    EXPECT_EQ(FramesDuring([] { QTest::mouseClick(Form1->Label2, Qt::LeftButton); }), 1);
    EXPECT_EQ(FramesDuring([] { QTest::mouseClick(Form1->Label3, Qt::LeftButton); }), 0);
    EXPECT_EQ(FramesDuring([] { Form1->TrackBar1->SetPosition(0); }), 0);
    EXPECT_EQ(FramesDuring([] { Form1->TrackBar1->SetPosition(4); }), 1);
    EXPECT_EQ(FramesDuring([] { Form1->TrackBar3->SetPosition(21); }), 1);
}

TEST_F(Wiring, TheFormPaintsOnlyWhenItsOwnSurfaceNeedsIt)
{
    // The first frame, drawn when the surface first shows, is not one of those counted here.
    ASSERT_TRUE(QTest::qWaitFor([] { return Form1->GLPanel->WasExposed(); }));
    QApplication::processEvents();
    auto paintOf = [](QWidget* widget, QRect area) {
        return [=] {
            widget->repaint(area);
            QApplication::processEvents();
        };
    };
    EXPECT_EQ(FramesDuring(paintOf(Form1->Button2, Form1->Button2->rect())), 0);
    EXPECT_EQ(FramesDuring(paintOf(Form1, Form1->Button2->geometry())), 0);
    EXPECT_EQ(FramesDuring(paintOf(Form1, QRect(530, 185, 8, 8))), 1); // between the controls
}

} // namespace
