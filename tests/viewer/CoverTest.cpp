// What the screen shows after another window has lain over the viewer and gone away: the
// surface is read back from the X server itself, since only there a window's remains show.
#include "GLControl.h"
#include "Main.h"
#include "ORVUnit1.h"
#include "ViewerTestSupport.h"
#include "vcl/Events.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGuiApplication>
#include <QImage>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr QRgb kCoverColour = 0xffff00ff;

int PixelsOf(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                ++count;
    return count;
}

// A part of the screen, as the X server holds it.
QImage ScreenArea(QRect area)
{
    QGuiApplication::sync();
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// A top-level window of another colour than any the scene uses.
class Cover {
public:
    explicit Cover(QRect onScreen)
    {
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(255, 0, 255));
        window.setPalette(palette);
        window.setGeometry(onScreen);
    }
    // Each waits until the screen shows the whole cover, or none of it.
    void Show()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const int all = window.width() * window.height();
        ASSERT_TRUE(QTest::qWaitFor(
            [this, all] { return PixelsOf(ScreenArea(window.geometry()), kCoverColour) == all; }));
    }
    void Remove()
    {
        const QRect area = window.geometry();
        window.hide();
        ASSERT_TRUE(QTest::qWaitFor([area] { return PixelsOf(ScreenArea(area), kCoverColour) == 0; }));
    }

private:
    QWidget window;
};

class CoverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartWithTwoSamplers(folder, forms);
        ASSERT_TRUE(
            QTest::qWaitFor([] { return PixelsOf(SurfaceOnScreen(), 0xffffffff) > 0; })); // the first frame
    }
    void TearDown() override { forms.reset(); }

    static void Redraw() { vcl::Fire(Form1->Button1->OnClick, Form1->Button1); }

    // The surface's square as the X server holds it on the screen.
    static QImage SurfaceOnScreen()
    {
        QGuiApplication::sync();
        const QPixmap grab =
            QGuiApplication::primaryScreen()->grabWindow(Form1->GLPanel->winId(), 0, 0, 500, 500);
        return grab.toImage().convertToFormat(QImage::Format_RGB32);
    }
    // A part of the form outside the surface, as the screen shows it.
    static QImage FormOnScreen(QRect area) { return ScreenArea(OnScreen(area)); }
    static QRect OnScreen(QRect inForm) { return {Form1->mapToGlobal(inForm.topLeft()), inForm.size()}; }

    kit_test::CurrentScratchFolder folder;
    std::unique_ptr<ViewerForms> forms;
};

TEST_F(CoverTest, AWindowOverTheSurfaceAloneLeavesItsPictureAndDrawsNoFrame)
{
    // The first frame, white: showing it again must not make it a green one.
    const QImage before = SurfaceOnScreen();
    ASSERT_GT(PixelsOf(before, 0xffffffff), 0);
    const long frames = FramesShown();

    Cover cover(OnScreen({100, 100, 250, 250}));
    cover.Show();
    ASSERT_GT(PixelsOf(SurfaceOnScreen(), kCoverColour), 250 * 250 / 2);
    cover.Remove();

    const QImage after = SurfaceOnScreen();
    EXPECT_EQ(PixelsOf(after, kCoverColour), 0);
    EXPECT_TRUE(after == before);
    EXPECT_EQ(FramesShown(), frames);
}

TEST_F(CoverTest, AWindowOverTheSurfaceAndTheBareFormPaintsTheFormOnceAndRestoresThePicture)
{
    Redraw(); // a green frame, as the form's paint draws it again
    ASSERT_TRUE(QTest::qWaitFor([] { return PixelsOf(SurfaceOnScreen(), 0xff00ff00) > 0; }));
    const QRect bare(505, 505, 25, 20); // right of the pan bar, below the vertical one
    const QImage before = SurfaceOnScreen();
    const QImage formBefore = FormOnScreen(bare);
    ASSERT_GT(PixelsOf(before, 0xff00ff00), 0);
    const long frames = FramesShown();

    Cover cover(OnScreen({300, 300, 260, 240}));
    cover.Show();
    ASSERT_GT(PixelsOf(SurfaceOnScreen(), kCoverColour), 200 * 200 / 2);
    ASSERT_EQ(PixelsOf(FormOnScreen(bare), kCoverColour), bare.width() * bare.height());
    cover.Remove();
    // The form's paint comes after the uncovering has been shown.
    ASSERT_TRUE(QTest::qWaitFor([frames] { return FramesShown() > frames; }));
    QCoreApplication::processEvents();

    const QImage after = SurfaceOnScreen();
    EXPECT_EQ(PixelsOf(after, kCoverColour), 0);
    EXPECT_TRUE(after == before);
    EXPECT_TRUE(FormOnScreen(bare) == formBefore);
    EXPECT_EQ(FramesShown() - frames, 1); // the form's paint, once
}

TEST_F(CoverTest, AMenuDroppedOverTheSurfaceLeavesItsPicture)
{
    const QImage before = SurfaceOnScreen();
    const long frames = FramesShown();
    MainForm->MainMenu1->setActiveAction(MainForm->File1->menuAction());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(MainForm->File1));
    ASSERT_TRUE(OnScreen({0, 0, 500, 500}).intersects(MainForm->File1->geometry()));
    ASSERT_TRUE(
        QTest::qWaitFor([&before] { return !(SurfaceOnScreen() == before); })); // the menu shows over it
    MainForm->File1->hide();

    EXPECT_TRUE(QTest::qWaitFor([&before] { return SurfaceOnScreen() == before; }));
    EXPECT_EQ(FramesShown(), frames);
}

// Runs the action; every message box that opens meanwhile is recorded and closed with OK once
// a person would have read it, so that what opening the box set off is handled while it shows.
std::vector<std::string> BoxesReadByAPerson(const std::function<void()>& action)
{
    std::vector<std::string> texts;
    WhileModal(action, [&texts](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return;
        texts.push_back(box->text().toStdString());
        QTimer::singleShot(300, box->button(QMessageBox::Ok), &QAbstractButton::click);
    });
    return texts;
}

TEST(FailingPick, AnHourPickedWithTheMouseFromTheDropDownListShowsItsBoxOnce)
{
    kit_test::CurrentScratchFolder folder;
    folder.write("MISC_KIN.DAT", kMeteoFile);
    // Hours 2 and 3; hour 3's values are no numbers.
    folder.write("SF6_All.DAT",
                 "50380 011 2\r\n"
                 "1 300 4400 x 10 20 bad 40 50 60 70 80 90 100 110 120\r\n 13\r\n"
                 "2 290.26 4390.1 x 11 21 bad 41 51 61 71 81 91 101 111 121\r\n 13\r\n");
    ViewerForms forms;
    ASSERT_TRUE(forms.startupBoxes.empty());
    MainForm->Kincaid1->trigger();
    Form1->ComboBox1->SetItemIndex(0);
    ASSERT_TRUE(BoxesShownBy([] { vcl::Fire(Form1->ComboBox1->OnChange, Form1->ComboBox1); }).empty());
    ASSERT_EQ(Form1->ComboBox2->ItemCount(), 2);

    // The list drops over the form below the hour box; picking hour 3 closes it.
    Form1->ComboBox2->showPopup();
    QAbstractItemView* list = Form1->ComboBox2->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QPoint hour3 = list->visualRect(list->model()->index(1, 0)).center();
    const auto texts =
        BoxesReadByAPerson([&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, hour3); });
    EXPECT_EQ(texts, std::vector<std::string>{"'bad' is not a valid floating point value."});
    EXPECT_EQ(Form1->ComboBox2->ItemIndex(), 1);
}

} // namespace
