// The view controls: preset views and their frames, drag rotation, bar scale, pan and zoom.
#include "GLControl.h"
#include "ORVUnit1.h"
#include "ViewerTestSupport.h"
#include "vcl/Events.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>

namespace {

constexpr QRgb kGreen = 0xff00ff00;

class View : public ::testing::Test {
protected:
    void SetUp() override
    {
        BeforeFrameShown = [this] {
            QImage image(500, 500, QImage::Format_RGBA8888);
            glReadBuffer(GL_BACK);
            glReadPixels(0, 0, 500, 500, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
            shown = image.mirrored().convertToFormat(QImage::Format_ARGB32);
        };
        StartWithTwoSamplers(folder, forms);
    }
    void TearDown() override
    {
        forms.reset();
        BeforeFrameShown = nullptr;
    }

    static void Click(vcl::TButton* button) { vcl::Fire(button->OnClick, button); }
    // The last frame shown, read from the back buffer just before its swap.
    QImage Screen() const { return shown; }
    // Mouse events as the surface gets them from the window system.
    static void Mouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
    {
        QMouseEvent event(type, at, Form1->GLPanel->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(Form1->GLPanel, &event);
    }
    static void Press(Qt::MouseButton button, QPoint at)
    {
        Mouse(QEvent::MouseButtonPress, button, button, at);
    }
    static void Move(Qt::MouseButtons held, QPoint at) { Mouse(QEvent::MouseMove, Qt::NoButton, held, at); }
    static void Release(Qt::MouseButton button, QPoint at)
    {
        Mouse(QEvent::MouseButtonRelease, button, Qt::NoButton, at);
    }

    QImage shown;
    kit_test::CurrentScratchFolder folder;
    std::unique_ptr<ViewerForms> forms;
};

TEST_F(View, APresetDrawsAFrameForEachTrackBarItMovesAndOneForTheView)
{
    struct Row {
        int p1, p2, p3;
        bool threeD;
        long frames;
    };
    const Row rows[] = {
        {0, 0, 20, true, 2},  {0, 0, 15, true, 1},  {3, 4, 20, true, 4},  {3, 0, 15, true, 2},
        {0, 0, 20, false, 1}, {5, 0, 15, false, 3}, {-2, 7, 9, false, 4},
    };
    for (const Row& row : rows) {
        Form1->TrackBar1->SetPosition(row.p1);
        Form1->TrackBar2->SetPosition(row.p2);
        Form1->TrackBar3->SetPosition(row.p3);
        Form1->RotY = 12;
        const long before = FramesShown();
        Click(row.threeD ? Form1->Button2 : Form1->Button5);
        EXPECT_EQ(FramesShown() - before, row.frames) << row.p1 << " " << row.p2 << " " << row.p3;
        EXPECT_EQ(Form1->TrackBar1->Position(), 0);
        EXPECT_EQ(Form1->TrackBar2->Position(), 0);
        EXPECT_EQ(Form1->TrackBar3->Position(), row.threeD ? 15 : 20);
        EXPECT_EQ(Form1->RotY, 0.0f);
        EXPECT_EQ(Form1->RotX, row.threeD ? -40.0f : 0.0f);
    }
}

TEST_F(View, DraggingWithTheLeftButtonTurnsTheSceneByHalfThePointerOffset)
{
    long frames = FramesShown();
    Press(Qt::LeftButton, {100, 100});
    EXPECT_EQ(Form1->Label1->Caption(), "down: 100, 100");
    EXPECT_EQ(FramesShown(), frames);

    Move(Qt::LeftButton, {140, 61});
    EXPECT_EQ(Form1->Label1->Caption(), "move: 140, 61");
    EXPECT_EQ(Form1->DragRotY, 20.0f);
    EXPECT_EQ(Form1->DragRotX, -19.5f);
    EXPECT_EQ(FramesShown(), frames + 1);

    Release(Qt::LeftButton, {140, 61});
    EXPECT_EQ(Form1->Label1->Caption(), "up: 140, 61");
    EXPECT_EQ(Form1->RotY, 20.0f);
    EXPECT_EQ(Form1->RotX, -19.5f);
    EXPECT_EQ(Form1->DragRotY, 0.0f);
    EXPECT_EQ(Form1->DragRotX, 0.0f);
    EXPECT_EQ(FramesShown(), frames + 1);

    // A second drag adds to the first; a press and release without a move adds nothing.
    Press(Qt::LeftButton, {0, 0});
    Move(Qt::LeftButton, {10, 20});
    Release(Qt::LeftButton, {10, 20});
    Press(Qt::LeftButton, {300, 300});
    Release(Qt::LeftButton, {300, 300});
    EXPECT_EQ(Form1->RotY, 25.0f);
    EXPECT_EQ(Form1->RotX, -9.5f);
}

TEST_F(View, OnlyTheLeftButtonDrags)
{
    const long frames = FramesShown();
    Press(Qt::RightButton, {50, 50});
    Move(Qt::RightButton, {90, 90});
    EXPECT_EQ(Form1->Label1->Caption(), "down: 50, 50");
    Release(Qt::RightButton, {90, 90});
    EXPECT_EQ(Form1->Label1->Caption(), "up: 90, 90");

    Move(Qt::NoButton, {120, 130});
    Move(Qt::MiddleButton, {125, 130});
    EXPECT_EQ(Form1->Label1->Caption(), "up: 90, 90");
    EXPECT_EQ(Form1->RotY, 0.0f);
    EXPECT_EQ(Form1->RotX, 0.0f);
    EXPECT_EQ(FramesShown(), frames);
}

TEST_F(View, BarsDownStopsAtAThousandthAndBarsUpHasNoLimit)
{
    const QPoint barTop(146, 146); // the top of the sampler's bar at 100 x 0.01 GL units
    Click(Form1->Button4);
    EXPECT_DOUBLE_EQ(BarScale, 0.009);
    for (int press = 2; press <= 10; ++press)
        Click(Form1->Button4);
    EXPECT_NEAR(BarScale, 0.0, 1e-15);
    QImage flat = Screen();
    EXPECT_NE(flat.pixel(barTop), kGreen);

    const long frames = FramesShown();
    Click(Form1->Button4);
    EXPECT_EQ(BarScale, 0.001);
    EXPECT_EQ(FramesShown(), frames + 1);

    BarScale = 0.01;
    Click(Form1->Button3);
    EXPECT_DOUBLE_EQ(BarScale, 0.011);
    Click(Form1->Button3);
    EXPECT_DOUBLE_EQ(BarScale, 0.012);
    BarScale = 0.01;
    Form1->DrawScene();
    int lit = 0;
    const QImage standing = Screen();
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            lit += standing.pixel(barTop + QPoint(dx, dy)) == kGreen;
    EXPECT_GT(lit, 0);
}

TEST_F(View, ThePanBarsMoveThePictureAndTheZoomBarSetsItsSize)
{
    // The 20 km frame's right side and top side, in pixels from the surface's corner.
    struct Row {
        int p1, p2, p3;
        int right, top;
    };
    const Row rows[] = {
        {0, 0, 20, 464, 36},  // 75 pixels per GL unit, the frame at 20/7 units
        {2, 0, 20, 389, 36},  // one GL unit to the left
        {0, 2, 20, 464, 111}, // one GL unit down
        {0, 0, 40, 357, 143}, // twice as far: half the size
    };
    for (const Row& row : rows) {
        Form1->TrackBar1->SetPosition(row.p1);
        Form1->TrackBar2->SetPosition(row.p2);
        Form1->TrackBar3->SetPosition(row.p3);
        Form1->DrawScene(); // the first frame is white; this one is green
        const QImage image = Screen();
        int right = 0, top = 0;
        for (int dx = -1; dx <= 1; ++dx)
            right += image.pixel(row.right + dx, 200 + row.top) == kGreen;
        for (int dy = -1; dy <= 1; ++dy)
            top += image.pixel(300, row.top + dy) == kGreen;
        EXPECT_GT(right, 0) << row.p1 << " " << row.p2 << " " << row.p3;
        EXPECT_GT(top, 0) << row.p1 << " " << row.p2 << " " << row.p3;
    }
}

} // namespace
