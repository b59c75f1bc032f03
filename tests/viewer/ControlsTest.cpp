// When the controls fire their events: the rules that the viewer's handlers rely on.
#include "vcl/ComboBox.h"
#include "vcl/Memo.h"
#include "vcl/StdControls.h"
#include "vcl/StringGrid.h"
#include "vcl/TrackBar.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <memory>

namespace {

// A shown window holding the control under test, with a counter of its events.
class ControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(400, 300);
    }
    void Show()
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    vcl::TNotifyEvent Count(int& counter)
    {
        return [&counter](QObject*) { ++counter; };
    }
    std::unique_ptr<QWidget> window;
};

using ComboBoxEvents = ControlTest;

TEST_F(ComboBoxEvents, UserPicksAndTypingFireTheProgramsChangesDoNot)
{
    auto* box = new vcl::TComboBox(window.get(), "Experiment Date", 8);
    box->setGeometry(10, 10, 150, 21);
    int changes = 0;
    int indexSeen = -2;
    box->OnChange = [&](QObject*) {
        ++changes;
        indexSeen = box->ItemIndex();
    };
    Show();

    box->AddItem("50380");
    box->AddItem("52380");
    EXPECT_EQ(box->Text(), "Experiment Date");
    EXPECT_EQ(box->ItemIndex(), -1);

    box->SetItemIndex(1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(box->Text(), "52380");

    box->setFocus();
    QTest::keyClick(box, Qt::Key_Up); // arrow key in the closed box picks the item above
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(indexSeen, 0);
    EXPECT_EQ(box->Text(), "50380");

    QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(indexSeen, -1); // typing leaves no item selected
    QTest::keyClicks(box->lineEdit(), "12");
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(box->Text(), "503812");

    // Enter chooses nothing, also after the exact text of an item, wherever the key arrives.
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        for (QWidget* target : {QApplication::focusWidget(), static_cast<QWidget*>(box->lineEdit())}) {
            QTest::keyClick(target, enter);
            box->SetText("52380");
            QTest::keyClick(target, enter);
            EXPECT_EQ(changes, 4);
            EXPECT_EQ(box->ItemIndex(), -1);
            box->SetText("503812");
        }
    }

    box->ClearItems();
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(box->ItemCount(), 0);
    EXPECT_EQ(box->Text(), "503812"); // emptying the list keeps the text
    box->SetItemIndex(0);             // nothing to select in an empty list
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_EQ(changes, 0 + 4);
}

TEST_F(ComboBoxEvents, PickingTheSameItemAgainFiresAgain)
{
    auto* box = new vcl::TComboBox(window.get(), "Hour", 10);
    int changes = 0;
    box->OnChange = Count(changes);
    box->AddItem("1");
    box->AddItem("2");
    Show();
    emit box->activated(1); // what the drop-down list emits when the user clicks an item
    emit box->activated(1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(box->ItemIndex(), 1);
}

using TrackBarEvents = ControlTest;

TEST_F(TrackBarEvents, ProgramSetsFireOnlyWhenThePositionChanges)
{
    auto* bar = new vcl::TTrackBar(window.get(), Qt::Horizontal, -15, 15, 0, 2, 4, 1);
    int changes = 0;
    bar->OnChange = Count(changes);
    bar->SetPosition(0);
    EXPECT_EQ(changes, 0);
    bar->SetPosition(3);
    EXPECT_EQ(changes, 1);
    bar->SetPosition(3);
    EXPECT_EQ(changes, 1);
    bar->SetPosition(99); // clamped to 15: a change
    EXPECT_EQ(bar->Position(), 15);
    EXPECT_EQ(changes, 2);
    bar->SetPosition(20); // clamped to 15 again: no change
    EXPECT_EQ(changes, 2);
}

TEST_F(TrackBarEvents, EveryUserStepAndTheEndOfTheScrollFire)
{
    auto* bar = new vcl::TTrackBar(window.get(), Qt::Horizontal, -15, 15, 0, 2, 4, 1);
    bar->setGeometry(0, 0, 300, 29);
    int changes = 0;
    std::vector<int> positions;
    bar->OnChange = [&](QObject*) {
        ++changes;
        positions.push_back(bar->Position());
    };
    Show();
    bar->setFocus();

    QTest::keyClick(bar, Qt::Key_Right); // the step, then the end of the scroll
    EXPECT_EQ(positions, (std::vector<int>{2, 2}));
    QTest::keyClick(bar, Qt::Key_PageUp);
    EXPECT_EQ(bar->Position(), -2);
    QTest::keyClick(bar, Qt::Key_End);
    EXPECT_EQ(bar->Position(), 15);
    changes = 0;
    QTest::keyClick(bar, Qt::Key_Right); // at the limit: nothing moves, both still fire
    EXPECT_EQ(bar->Position(), 15);
    EXPECT_EQ(changes, 2);
    QTest::keyClick(bar, Qt::Key_Home);
    EXPECT_EQ(bar->Position(), -15);
    QTest::keyClick(bar, Qt::Key_Up); // Up moves towards Min
    EXPECT_EQ(bar->Position(), -15);

    changes = 0;
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(290, 14)); // on the channel: a page step
    EXPECT_EQ(bar->Position(), -11);
    EXPECT_EQ(changes, 2);
}

TEST_F(TrackBarEvents, EachDragStepAndTheReleaseFire)
{
    auto* bar = new vcl::TTrackBar(window.get(), Qt::Horizontal, -15, 15, 0, 2, 4, 1);
    bar->setGeometry(0, 0, 310, 29);
    std::vector<int> positions;
    bar->OnChange = [&](QObject*) { positions.push_back(bar->Position()); };
    Show();
    const QPoint thumb(155, 10);
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    EXPECT_TRUE(positions.empty()); // pressing the thumb is no step
    QTest::mouseMove(bar, thumb + QPoint(50, 0));
    ASSERT_EQ(positions.size(), 1u);
    EXPECT_GT(positions.back(), 0);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb + QPoint(50, 0));
    ASSERT_EQ(positions.size(), 2u);
    EXPECT_EQ(positions[1], positions[0]);
}

TEST_F(TrackBarEvents, AVerticalBarHasItsMinimumAtTheTop)
{
    auto* bar = new vcl::TTrackBar(window.get(), Qt::Vertical, 1, 50, 20, 2, 4, 5);
    bar->setGeometry(0, 0, 29, 200);
    Show();
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Down);
    EXPECT_EQ(bar->Position(), 22);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(14, 4)); // near the top: towards Min
    EXPECT_EQ(bar->Position(), 18);
}

using EditEvents = ControlTest;

TEST_F(EditEvents, EveryTextChangeAndEveryFocusEntryFire)
{
    auto* other = new QLineEdit(window.get());
    other->setGeometry(10, 40, 50, 21);
    auto* edit = new vcl::TEdit(window.get(), "5");
    edit->setGeometry(10, 10, 50, 21);
    int changes = 0, entries = 0;
    edit->OnChange = Count(changes);
    edit->OnEnter = Count(entries);
    Show();
    other->setFocus();
    QApplication::processEvents();
    entries = 0;

    edit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(entries, 1);
    edit->end(false);
    QTest::keyClicks(edit, "12");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(edit->Text(), "512");
    edit->SetText("7");
    EXPECT_EQ(changes, 3);
    other->setFocus(Qt::MouseFocusReason);
    edit->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(entries, 2);
    EXPECT_EQ(changes, 3);
}

using ButtonEvents = ControlTest;

TEST_F(ButtonEvents, ClickSpaceAndEnterFire)
{
    auto* button = new vcl::TButton(window.get(), "Bars Up");
    button->setGeometry(10, 10, 61, 25);
    int clicks = 0;
    button->OnClick = Count(clicks);
    Show();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    EXPECT_EQ(clicks, 4);
}

using LabelEvents = ControlTest;

TEST_F(LabelEvents, AClickFiresAPressAloneOrARightClickDoesNot)
{
    auto* label = new vcl::TLabel(window.get(), "Minimum");
    label->setGeometry(8, 22, 41, 13);
    int clicks = 0;
    label->OnClick = Count(clicks);
    Show();
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    QTest::mousePress(label, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    QTest::mouseRelease(label, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    QTest::mouseClick(label, Qt::RightButton);
    EXPECT_EQ(clicks, 2);
}

using RadioGroupEvents = ControlTest;

TEST_F(RadioGroupEvents, UserPicksFireProgramSetsDoNot)
{
    auto* group = new vcl::TRadioGroup(window.get(), "View", {"All data", "Use filter"});
    group->setGeometry(10, 10, 93, 65);
    int clicks = 0;
    group->OnClick = Count(clicks);
    group->SetItemIndex(0);
    Show();
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(group->Button(1), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(group->ItemIndex(), 1);
    group->SetItemIndex(0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(group->ItemIndex(), 0);
    group->SetItemIndex(-1);
    EXPECT_EQ(group->ItemIndex(), -1);
}

TEST_F(RadioGroupEvents, AClickOnTheChosenItemFiresNothing)
{
    auto* group = new vcl::TRadioGroup(window.get(), "View", {"All data", "Use filter"});
    group->setGeometry(10, 10, 93, 65);
    int clicks = 0;
    group->OnClick = Count(clicks);
    group->SetItemIndex(0);
    Show();
    QTest::mouseClick(group->Button(0), Qt::LeftButton); // chosen by the program
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(group->Button(1), Qt::LeftButton);
    QTest::mouseClick(group->Button(1), Qt::LeftButton); // chosen by the user
    EXPECT_EQ(clicks, 1);
    group->Button(1)->setFocus();
    QTest::keyClick(group->Button(1), Qt::Key_Space);
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(group->Button(0), Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(group->ItemIndex(), 0);
}

TEST(Memo, HoldsWholeLines)
{
    vcl::TMemo memo(nullptr, {"Memo2"});
    EXPECT_EQ(memo.Lines.Count(), 1);
    memo.Lines.Clear();
    const std::string longLine(400, 'x');
    memo.Lines.Add(longLine);
    memo.Lines.Add("b");
    ASSERT_EQ(memo.Lines.Count(), 2);
    EXPECT_EQ(memo.Lines[0], longLine);
    EXPECT_EQ(memo.toPlainText().toStdString(), longLine + "\nb");
}

using MemoTyping = ControlTest;

TEST_F(MemoTyping, WhatTheUserTypesIsInTheLines)
{
    auto* memo = new vcl::TMemo(window.get(), {"Memo2"});
    memo->setGeometry(10, 10, 300, 100);
    Show();
    memo->setFocus();
    memo->selectAll();
    QTest::keyClicks(memo, "1 2 3");
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "4 5 6");
    EXPECT_EQ(memo->Lines.All(), (std::vector<std::string>{"1 2 3", "4 5 6"}));
    EXPECT_EQ(memo->Lines.Count(), 2);
    EXPECT_EQ(memo->Lines[1], "4 5 6");

    // A line break at the end makes no line of its own; a line added then takes its place.
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(memo->Lines.Count(), 2);
    memo->Lines.Add("7 8 9");
    EXPECT_EQ(memo->Lines.All(), (std::vector<std::string>{"1 2 3", "4 5 6", "7 8 9"}));

    // The bytes of a data file's line come back as they went in, a no-break space and a lone
    // LF included.
    memo->Lines.Clear();
    EXPECT_EQ(memo->Lines.Count(), 0);
    memo->Lines.Add("a\xa0"
                    "b\nc");
    memo->Lines.Add("d");
    EXPECT_EQ(memo->Lines.All(),
              (std::vector<std::string>{"a\xa0"
                                        "b\nc",
                                        "d"}));
}

TEST(StringGrid, CellsFollowTheSizeAndKeepTheirTexts)
{
    vcl::TStringGrid grid(nullptr, 5, 5, 3, 1, 50, 24);
    grid.SetCells(4, 4, "x");
    grid.SetCells(1, 1, "keep");
    EXPECT_EQ(grid.Cells(4, 4), "x");
    grid.SetRowCount(2);
    grid.SetColCount(3);
    EXPECT_EQ(grid.Cells(1, 1), "keep");
    grid.SetRowCount(4);
    grid.SetColCount(6);
    EXPECT_EQ(grid.Cells(5, 3), "");
    grid.SetCells(5, 3, "new");
    EXPECT_EQ(grid.Cells(5, 3), "new");
    EXPECT_EQ(grid.ColWidth(5), 50);
    EXPECT_EQ(grid.RowHeight(3), 24);
    EXPECT_EQ(grid.Cells(9, 9), "");
}

} // namespace
