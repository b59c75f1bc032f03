// The viewer form: its design (places, sizes, texts, visibility), tab order and event wiring.
#include "About.h"
#include "GLControl.h"
#include "Main.h"
#include "ORVUnit1.h"
#include "ViewerTestSupport.h"
#include "vcl/Events.h"
#include "vcl/StdControls.h"
#include "vcl/StringGrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QScreen>
#include <QImage>
#include <QLabel>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <memory>

namespace {

class ViewerForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.write("MISC_KIN.DAT", kMeteoFile);
        folder.write("SF6_All.DAT", kTwoSamplerSf6File);
        forms = std::make_unique<ViewerForms>();
        MainForm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
    }
    void TearDown() override { forms.reset(); }

    kit_test::CurrentScratchFolder folder;
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
        {"Label1", f.Label1, &f, {211, 459, 233, 13}},
        {"GroupBox1", f.GroupBox1, &f, {539, 19, 113, 145}},
        {"TrackBar1", f.TrackBar1, &f, {0, 500, 500, 29}},
        {"ComboBox2", f.ComboBox2, &f, {668, 179, 88, 21}},
        {"Memo2", f.Memo2, &f, {11, 363, 446, 105}},
        {"ComboBox1", f.ComboBox1, &f, {539, 179, 113, 21}},
        {"Button1", f.Button1, &f, {363, 19, 75, 25}},
        {"Button2", f.Button2, &f, {579, 67, 61, 25}},
        {"TrackBar2", f.TrackBar2, &f, {500, 0, 29, 500}},
        {"TrackBar3", f.TrackBar3, &f, {549, 35, 29, 121}},
        {"Button3", f.Button3, &f, {579, 99, 61, 25}},
        {"Button4", f.Button4, &f, {579, 131, 61, 25}},
        {"Button5", f.Button5, &f, {579, 35, 61, 25}},
        {"PageControl1", f.PageControl1, &f, {531, 211, 233, 305}},
        {"StringGrid2", f.StringGrid2, f.TabSheet1, {8, 8, 209, 265}},
        {"StringGrid1", f.StringGrid1, f.TabSheet2, {8, 4, 209, 269}},
        {"Memo1", f.Memo1, &f, {27, 259, 697, 73}},
        {"RadioGroup1", f.RadioGroup1, &f, {664, 20, 93, 65}},
        {"GroupBox2", f.GroupBox2, &f, {664, 93, 93, 73}},
        {"Label2", f.Label2, f.GroupBox2, {8, 22, 41, 13}},
        {"Label3", f.Label3, f.GroupBox2, {7, 46, 40, 13}},
        {"Edit1", f.Edit1, f.GroupBox2, {56, 18, 33, 21}},
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

// The room that a control gives its text, in the control's own pixels, as the style draws it.
QRect TextRoom(const QLineEdit* edit)
{
    // QLineEdit keeps this many pixels between its frame and its text on either side.
    constexpr int lineEditMargin = 2;
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    return contents.marginsRemoved(edit->textMargins()).adjusted(lineEditMargin, 0, -lineEditMargin, 0);
}

QRect TextRoom(const QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 2;
    return button->rect().adjusted(frame + margin, frame, -frame - margin, -frame);
}

QRect TextRoom(const QAbstractButton* radio)
{
    QStyleOptionButton option;
    option.initFrom(radio);
    return radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
}

// A group box's caption keeps the same distance from the frame's right end as from its left.
QRect TextRoom(const QGroupBox* box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect frame =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, box);
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const int indent = label.left() - frame.left();
    return {label.left(), label.top(), frame.width() - 2 * indent, label.height()};
}

// A label's text has the whole label, inside the area of its parent that shows it.
QRect TextRoom(const QLabel* label, const QWidget* area)
{
    return label->contentsRect() &
        QRect(label->mapFrom(area, area->contentsRect().topLeft()), area->contentsRect().size());
}

// The width and line height of the text in the font that the control uses.
QSize TextSize(const QWidget* control, const QString& text)
{
    const QFontMetrics metrics(control->font());
    return {metrics.horizontalAdvance(text), metrics.height()};
}

TEST_F(ViewerForm, EveryCaptionAndTextIsShownWholeInsideItsControl)
{
    struct Caption {
        const char* name;
        const QWidget* control;
        QString text;
        QRect room;
    };
    TForm1& f = *Form1;
    TAboutBox& a = *AboutBox;
    const Caption captions[] = {
        {"Label1", f.Label1, f.Label1->text(), TextRoom(f.Label1, &f)},
        {"GroupBox1", f.GroupBox1, f.GroupBox1->title(), TextRoom(f.GroupBox1)},
        {"ComboBox2", f.ComboBox2, f.ComboBox2->lineEdit()->text(), TextRoom(f.ComboBox2->lineEdit())},
        {"ComboBox1", f.ComboBox1, f.ComboBox1->lineEdit()->text(), TextRoom(f.ComboBox1->lineEdit())},
        {"Button1", f.Button1, f.Button1->text(), TextRoom(f.Button1)},
        {"Button2", f.Button2, f.Button2->text(), TextRoom(f.Button2)},
        {"Button3", f.Button3, f.Button3->text(), TextRoom(f.Button3)},
        {"Button4", f.Button4, f.Button4->text(), TextRoom(f.Button4)},
        {"Button5", f.Button5, f.Button5->text(), TextRoom(f.Button5)},
        {"RadioGroup1", f.RadioGroup1, f.RadioGroup1->title(), TextRoom(f.RadioGroup1)},
        {"RadioGroup1 item 0", f.RadioGroup1->Button(0), f.RadioGroup1->Button(0)->text(),
         TextRoom(f.RadioGroup1->Button(0))},
        {"RadioGroup1 item 1", f.RadioGroup1->Button(1), f.RadioGroup1->Button(1)->text(),
         TextRoom(f.RadioGroup1->Button(1))},
        {"GroupBox2", f.GroupBox2, f.GroupBox2->title(), TextRoom(f.GroupBox2)},
        {"Label2", f.Label2, f.Label2->text(), TextRoom(f.Label2, f.GroupBox2)},
        {"Label3", f.Label3, f.Label3->text(), TextRoom(f.Label3, f.GroupBox2)},
        {"Edit1", f.Edit1, f.Edit1->text(), TextRoom(f.Edit1)},
        {"Edit2", f.Edit2, f.Edit2->text(), TextRoom(f.Edit2)},
        {"ProductName", a.ProductName, a.ProductName->text(), TextRoom(a.ProductName, a.Panel1)},
        {"Label1 (About)", a.Label1, a.Label1->text(), TextRoom(a.Label1, a.Panel1)},
        {"Version", a.Version, a.Version->text(), TextRoom(a.Version, a.Panel1)},
        {"Copyright", a.Copyright, a.Copyright->text(), TextRoom(a.Copyright, a.Panel1)},
        {"Comments", a.Comments, a.Comments->text(), TextRoom(a.Comments, a.Panel1)},
        {"OKButton", a.OKButton, a.OKButton->text(), TextRoom(a.OKButton)},
    };
    for (const Caption& caption : captions) {
        ASSERT_FALSE(caption.text.isEmpty()) << caption.name;
        const QSize text = TextSize(caption.control, caption.text);
        EXPECT_LE(text.width(), caption.room.width())
            << caption.name << " in " << QFontInfo(caption.control->font()).family().toStdString();
        EXPECT_LE(text.height(), caption.room.height()) << caption.name;
    }
}

// What the widget itself paints, without its background and its children, on a transparent image.
QImage OwnPaint(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

TEST_F(ViewerForm, TheViewItemsStandClearOfTheirGroupsFrame)
{
    vcl::TRadioGroup* group = Form1->RadioGroup1;
    const QImage frame = OwnPaint(group);
    // No pixel of an item's indicator or text lies on or next to the frame's line or caption
    // (the style tints the inside of the frame faintly).
    const auto nearFrame = [&frame](QPoint at) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint p = at + QPoint(dx, dy);
                if (frame.rect().contains(p) && qAlpha(frame.pixel(p)) > 16)
                    return true;
            }
        return false;
    };
    for (int i = 0; i < 2; ++i) {
        QAbstractButton* item = group->Button(i);
        const QImage drawn = OwnPaint(item);
        int inked = 0, touching = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                if (qAlpha(drawn.pixel(x, y)) == 0)
                    continue;
                ++inked;
                touching += nearFrame(item->pos() + QPoint(x, y));
            }
        EXPECT_GT(inked, 0) << item->text().toStdString();
        EXPECT_EQ(touching, 0) << item->text().toStdString();
    }
}

// How many columns the dark text on a light ground spans, from its first inked column to its last.
int InkWidth(const QImage& image)
{
    int first = image.width(), last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                first = std::min(first, x);
                last = x;
                break;
            }
    return last < 0 ? 0 : last - first + 1;
}

TEST_F(ViewerForm, TheScreenShowsTheDateBoxsTextWhole)
{
    QLineEdit* edit = Form1->ComboBox1->lineEdit();
    Form1->Button2->setFocus(); // no text cursor in the box
    ASSERT_TRUE(QTest::qWaitFor([edit] { return !edit->hasFocus(); }));
    QGuiApplication::sync();
    const QPoint at = edit->mapToGlobal(QPoint(0, 0));
    const QImage shown = QGuiApplication::primaryScreen()
                             ->grabWindow(0, at.x(), at.y(), edit->width(), edit->height())
                             .toImage();

    // The same text in the same font, with room to spare.
    const QFontMetrics metrics(edit->font());
    QImage whole(metrics.horizontalAdvance(edit->text()) + 20, edit->height(), QImage::Format_RGB32);
    whole.fill(Qt::white);
    QPainter painter(&whole);
    painter.setFont(edit->font());
    painter.setPen(Qt::black);
    painter.drawText(10, metrics.ascent() + 2, edit->text());
    painter.end();

    ASSERT_EQ(edit->text().toStdString(), "Experiment Date");
    EXPECT_GT(InkWidth(whole), 0);
    EXPECT_EQ(InkWidth(shown), InkWidth(whole));
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

namespace {

// Reads the first experiment of the development data set, which shows both grids.
void ShowTheGrids()
{
    MainForm->Kincaid1->trigger();
    Form1->ComboBox1->SetItemIndex(0);
    vcl::Fire(Form1->ComboBox1->OnChange, Form1->ComboBox1);
    ASSERT_TRUE(Form1->StringGrid1->isVisibleTo(Form1->TabSheet2));
    ASSERT_TRUE(Form1->StringGrid2->isVisible());
}

bool IsFixed(QModelIndex cell, int fixedCols, int fixedRows)
{
    return cell.column() < fixedCols || cell.row() < fixedRows;
}

TEST_F(ViewerForm, TabAndShiftTabLeaveEachGridForItsNeighboursInTheTabOrder)
{
    ShowTheGrids();
    TForm1& f = *Form1;
    struct Row {
        const char* name;
        vcl::TStringGrid* grid;
        QWidget* page;
        Qt::KeyboardModifiers modifiers;
        QWidget* next;
    };
    // Behind the page control come the hidden Memo1 and then the view group's chosen item.
    const Row rows[] = {
        {"Tab from StringGrid2", f.StringGrid2, f.TabSheet1, Qt::NoModifier, f.RadioGroup1->Button(0)},
        {"Shift+Tab from StringGrid2", f.StringGrid2, f.TabSheet1, Qt::ShiftModifier,
         f.PageControl1->tabBar()},
        {"Tab from StringGrid1", f.StringGrid1, f.TabSheet2, Qt::NoModifier, f.RadioGroup1->Button(0)},
        {"Shift+Tab from StringGrid1", f.StringGrid1, f.TabSheet2, Qt::ShiftModifier,
         f.PageControl1->tabBar()},
    };
    for (const Row& row : rows) {
        f.PageControl1->setCurrentWidget(row.page);
        row.grid->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(row.grid->hasFocus()) << row.name;
        QTest::keyClick(row.grid, Qt::Key_Tab, row.modifiers);
        EXPECT_EQ(QApplication::focusWidget(), row.next) << row.name;
    }
}

TEST_F(ViewerForm, AFixedCellIsNeverTheCurrentOne)
{
    ShowTheGrids();
    TForm1& f = *Form1;
    struct Row {
        vcl::TStringGrid* grid;
        QWidget* page;
        int fixedCols, fixedRows;
    };
    const Row rows[] = {{f.StringGrid2, f.TabSheet1, 1, 0}, {f.StringGrid1, f.TabSheet2, 3, 1}};
    for (const Row& row : rows) {
        f.PageControl1->setCurrentWidget(row.page);
        row.grid->setFocus(Qt::TabFocusReason);
        const QModelIndex first = row.grid->currentIndex();
        EXPECT_EQ(first.column(), row.fixedCols);
        EXPECT_EQ(first.row(), row.fixedRows);
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Home, Qt::Key_PageUp}) {
            QTest::keyClick(row.grid, key);
            EXPECT_FALSE(IsFixed(row.grid->currentIndex(), row.fixedCols, row.fixedRows))
                << row.fixedCols << " " << key;
        }
        QTest::keyClick(row.grid, Qt::Key_Home, Qt::ControlModifier);
        EXPECT_EQ(row.grid->currentIndex(), first);
        const QRect corner = row.grid->visualRect(row.grid->model()->index(0, 0));
        QTest::mouseClick(row.grid->viewport(), Qt::LeftButton, {}, corner.center());
        EXPECT_EQ(row.grid->currentIndex(), first);
    }
}

// The fixed rows and columns are the table's headers: scrolled to the far end, the grid still
// shows them exactly as at the start, and the current cell comes to lie beside them, not under.
TEST_F(ViewerForm, TheFixedCellsStayInPlaceWhileTheOthersScroll)
{
    std::string sf6 = "50380 111111111111111111111111 20\r\n";
    for (int number = 1; number <= 20; ++number)
        sf6 += Sampler(number, "300", "4400", "1");
    folder.write("SF6_All.DAT", sf6);
    ShowTheGrids();
    Form1->PageControl1->setCurrentWidget(Form1->TabSheet2);
    vcl::TStringGrid& grid = *Form1->StringGrid1;
    const int fixedWidth = grid.ColWidth(0) + grid.ColWidth(1) + grid.ColWidth(2);
    const int fixedHeight = grid.RowHeight(0);
    struct Row {
        const char* name;
        bool right, down;
    };
    const Row rows[] = {{"right", true, false}, {"down", false, true}, {"right and down", true, true}};
    for (const Row& row : rows) {
        grid.horizontalScrollBar()->setValue(0);
        grid.verticalScrollBar()->setValue(0);
        grid.setFocus(Qt::TabFocusReason);
        const QModelIndex first = grid.currentIndex();
        // Scrolling right keeps the fixed columns, scrolling down the fixed row, both the corner.
        const QRect viewport = grid.viewport()->geometry();
        const QRect kept(
            viewport.topLeft(),
            QSize(row.right ? fixedWidth : viewport.width(), row.down ? fixedHeight : viewport.height()));
        const QImage before = grid.grab(kept).toImage();

        for (QScrollBar* bar : {row.right ? grid.horizontalScrollBar() : nullptr,
                                row.down ? grid.verticalScrollBar() : nullptr}) {
            if (!bar)
                continue;
            ASSERT_GT(bar->maximum(), 0) << row.name;
            bar->setValue(bar->maximum());
        }
        EXPECT_EQ(grid.grab(kept).toImage(), before) << row.name;
        // A click on a fixed cell that has stayed leaves the current cell where it is.
        const QPoint onFixed(row.right ? 2 : fixedWidth + 2, row.down ? 2 : fixedHeight + 2);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, onFixed);
        EXPECT_EQ(grid.currentIndex(), first) << row.name;

        // Back to the first cell that is not fixed from the last: it shows beside the fixed cells.
        QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
        ASSERT_EQ(grid.currentIndex(), first) << row.name;
        EXPECT_EQ(grid.visualRect(first).topLeft(), QPoint(fixedWidth, fixedHeight)) << row.name;
    }
}

} // namespace
