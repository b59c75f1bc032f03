// Frames of the scene, read back from the screen: colours, map, bars, filter and failures.
#include "GLControl.h"
#include "Main.h"
#include "ORVUnit1.h"
#include "ViewerTestSupport.h"
#include "vcl/Events.h"
#include "vcl/Exceptions.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <memory>

namespace {

using Lines = std::vector<std::string>;

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kGreen = 0xff00ff00;

// The frames as the screen shows them: each read from the back buffer just before its swap, so
// that windows of other programs over the surface do not matter.
class ShownFrames {
public:
    ShownFrames()
    {
        BeforeFrameShown = [this] { last = ReadBackBuffer(); };
    }
    ~ShownFrames() { BeforeFrameShown = nullptr; }
    QImage last;

private:
    static QImage ReadBackBuffer()
    {
        QImage image(500, 500, QImage::Format_RGBA8888);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, 500, 500, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
        return image.mirrored().convertToFormat(QImage::Format_ARGB32);
    }
};

// Pixel of a ground point (km from the source, at height z GL units) in the top-down view with
// the source `distance` GL units from the eye: 0.1 at 0.3 in front of the eye spans 250 pixels.
QPoint PixelOf(double xKm, double yKm, double z = 0, double distance = 10)
{
    const double pixelsPerUnit = 250 / (0.1 / 0.3 * (distance - z));
    return {static_cast<int>(std::lround(250 + xKm / 7 * pixelsPerUnit)),
            static_cast<int>(std::lround(250 - yKm / 7 * pixelsPerUnit))};
}

// How many pixels of `colour` lie within `radius` pixels of `centre` (a square).
int CountNear(const QImage& image, QPoint centre, int radius, QRgb colour)
{
    int count = 0;
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y)
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x)
            if (image.valid(x, y) && image.pixel(x, y) == colour)
                ++count;
    return count;
}

class Render : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.write("MISC_KIN.DAT", kMeteoFile);
        framesBefore = FramesShown();
        forms = std::make_unique<ViewerForms>();
        ASSERT_TRUE(forms->startupBoxes.empty());
        ASSERT_NE(Form1->GLPanel, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1->GLPanel));
    }
    void TearDown() override { forms.reset(); }

    // Draws the samplers as the frame of a click on the covered Button1 would; returns the
    // texts of the boxes shown.
    Lines Draw(const Lines& samplers)
    {
        Form1->Memo2->Lines.Clear();
        for (const std::string& line : samplers)
            Form1->Memo2->Lines.Add(line);
        Lines texts;
        for (const ShownBox& box : BoxesShownBy([] { vcl::Fire(Form1->Button1->OnClick, Form1->Button1); }))
            texts.push_back(box.Text);
        return texts;
    }

    QImage Screen() const { return shown.last; }

    ShownFrames shown;
    kit_test::CurrentScratchFolder folder;
    long framesBefore = 0;
    std::unique_ptr<ViewerForms> forms;
};

TEST_F(Render, TheFirstFrameIsWhiteAndEveryLaterOneGreenOnBlack)
{
    const QPoint frameLeft = PixelOf(-20, -10);
    const QPoint empty = PixelOf(-10, 15); // between the rings, away from axes and frame
    EXPECT_EQ(FramesShown() - framesBefore, 1);
    QImage first = Screen();
    EXPECT_GT(CountNear(first, frameLeft, 1, kWhite), 0);
    EXPECT_EQ(CountNear(first, frameLeft, 1, kGreen), 0);
    EXPECT_EQ(first.pixel(empty), kBlack);

    Draw({});
    QImage second = Screen();
    EXPECT_GT(CountNear(second, frameLeft, 1, kGreen), 0);
    EXPECT_EQ(CountNear(second, frameLeft, 1, kWhite), 0);
    EXPECT_EQ(second.pixel(empty), kBlack);
}

TEST_F(Render, TheTopDownViewShowsFrameRingsAndAxesWhereTheDesignPutsThem)
{
    Draw({});
    const QImage image = Screen();
    const double d = 1 / std::sqrt(2.0); // a ring of radius R crosses the diagonal at R * d
    const QPoint lit[] = {
        PixelOf(-20, -10),
        PixelOf(20, 10),
        PixelOf(10, 20),
        PixelOf(-10, -20), // the 20 km frame
        PixelOf(0, 15),
        PixelOf(15, 0),
        PixelOf(0, -22),
        PixelOf(-22, 0), // the axes
        PixelOf(5 * d, 5 * d),
        PixelOf(-7 * d, 7 * d),
        PixelOf(10 * d, -10 * d), // rings
        PixelOf(-15 * d, -15 * d),
        PixelOf(20 * d, 20 * d),
        PixelOf(30 * d, 30 * d), // the 30 km ring shows in the corners only
    };
    for (QPoint p : lit)
        EXPECT_GT(CountNear(image, p, 1, kGreen), 0) << p.x() << "," << p.y();
    const QPoint dark[] = {PixelOf(-10, 15), PixelOf(12, -3), PixelOf(22, 5), PixelOf(22.5, 22.5),
                           PixelOf(3.5, 1)};
    for (QPoint p : dark)
        EXPECT_EQ(CountNear(image, p, 1, kBlack), 9) << p.x() << "," << p.y();
    // The 30 km ring crosses the axes beyond the picture's edge.
    EXPECT_EQ(PixelOf(30, 0).x(), 571);
}

TEST_F(Render, ABarStandsForEachSamplerInsideTheStrictFilterWithANonNegativeValue)
{
    // A sampler 12.4 km from the source, and one at the source, which no filter passes.
    struct Row {
        const char* name;
        Lines samplers;
        double min, max;
        bool top, cap; // bar top at 1 GL unit; flat cap on the ground
    };
    const Row rows[] = {
        {"inside", {"-8.75 8.75 100", "0 0 5"}, 0, 100, true, false},
        {"outside 5 to 10 km", {"-8.75 8.75 100", "0 0 5"}, 5, 10, false, false},
        {"inside 12 to 13 km", {"0 0 5", "-8.75 8.75 100"}, 12, 13, true, false},
        {"lower bound not below the upper", {"-8.75 8.75 100", "0 0 5"}, 50, 50, false, false},
        {"negative value", {"-8.75 8.75 -1", "0 0 5"}, 0, 100, false, false},
        {"zero value: the cap alone", {"-8.75 8.75 0", "0 0 5"}, 0, 100, false, true},
        {"a single line draws no bar", {"-8.75 8.75 100"}, 0, 100, false, false},
    };
    for (const Row& row : rows) {
        FilterMin = row.min;
        FilterMax = row.max;
        EXPECT_TRUE(Draw(row.samplers).empty()) << row.name;
        const QImage image = Screen();
        EXPECT_EQ(CountNear(image, PixelOf(-8.75, 8.75, 1), 2, kGreen) > 0, row.top) << row.name;
        EXPECT_EQ(CountNear(image, PixelOf(-8.75, 8.75, 0), 1, kGreen) > 0, row.top || row.cap) << row.name;
    }
}

TEST_F(Render, EachSamplerIsReachedFromTheLastOneThatTheFilterPassed)
{
    // The first moves without a bar, the second is filtered out and does not move.
    EXPECT_TRUE(Draw({"-8.75 8.75 -1", "200 200 100", "8.75 -8.75 100"}).empty());
    const QImage image = Screen();
    EXPECT_GT(CountNear(image, PixelOf(8.75, -8.75, 1), 2, kGreen), 0);
    EXPECT_EQ(CountNear(image, PixelOf(-8.75, 8.75, 1), 2, kGreen), 0);
}

TEST_F(Render, AWordThatIsNotANumberKeepsThePreviousFrameOnTheScreen)
{
    EXPECT_TRUE(Draw({"-8.75 8.75 100", "0 0 5"}).empty());
    const QImage before = Screen();
    const long frames = FramesShown();
    ASSERT_GT(CountNear(before, PixelOf(-8.75, 8.75, 1), 2, kGreen), 0);

    // An empty value word, and a bad word of a sampler that the filter would drop.
    EXPECT_EQ(Draw({"8.75 8.75 100", "1 2"}), (Lines{"'' is not a valid floating point value."}));
    EXPECT_EQ(Draw({"8.75 8.75 100", "x 0 5"}), (Lines{"'x' is not a valid floating point value."}));
    EXPECT_EQ(FramesShown(), frames);
    EXPECT_TRUE(Screen() == before);

    // The next good frame is drawn in full.
    EXPECT_TRUE(Draw({"8.75 8.75 100", "0 0 5"}).empty());
    EXPECT_GT(CountNear(Screen(), PixelOf(8.75, 8.75, 1), 2, kGreen), 0);
    EXPECT_EQ(CountNear(Screen(), PixelOf(-8.75, 8.75, 1), 2, kGreen), 0);
}

TEST_F(Render, TheThreeDViewShowsTheBarsStandingUp)
{
    auto bar = [](const char* value) {
        Form1->Memo2->Lines.Clear();
        Form1->Memo2->Lines.Add(std::string("7 -7 ") + value);
        Form1->Memo2->Lines.Add("0 0 5");
    };
    bar("300");
    ASSERT_TRUE(BoxesShownBy([] { vcl::Fire(Form1->Button2->OnClick, Form1->Button2); }).empty());
    const QImage standing = Screen();
    bar("0");
    Form1->DrawScene();
    const QImage flat = Screen();

    // The pixels that the 3 GL units of bar add run up the screen.
    QRect box;
    for (int y = 0; y < standing.height(); ++y)
        for (int x = 0; x < standing.width(); ++x)
            if (standing.pixel(x, y) != flat.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GT(box.height(), 3 * box.width()) << box.width() << "x" << box.height();
    EXPECT_GT(box.height(), 100);
}

TEST_F(Render, TheControlsInTheSurfacesSquareAreDrawnBelowIt)
{
    // Only the surface is a window of its own on the form; the controls are drawn in the form's
    // window, which its child windows cover.
    QWidget* holder = Form1->GLPanel->Container();
    EXPECT_NE(holder->internalWinId(), 0u);
    EXPECT_EQ(holder->geometry(), QRect(0, 0, 500, 500));
    EXPECT_EQ(Form1->GLPanel->size(), QSize(500, 500));
    for (QWidget* covered : std::initializer_list<QWidget*>{Form1->Memo2, Form1->Label1, Form1->Button1}) {
        EXPECT_TRUE(QRect(0, 0, 500, 500).contains(covered->geometry()));
        EXPECT_EQ(covered->internalWinId(), 0u);
    }
}

TEST(RenderWithoutMeteoFile, TheFormHasNoSurfaceAndLaterActionsRaiseNothing)
{
    kit_test::CurrentScratchFolder folder;
    const long frames = FramesShown();
    ViewerForms forms;
    ASSERT_EQ(forms.startupBoxes.size(), 1u);
    EXPECT_EQ(forms.startupBoxes[0].Text, "File not found.");
    EXPECT_EQ(Form1->GLPanel, nullptr);
    EXPECT_TRUE(Form1->Memo2->isVisible());
    EXPECT_EQ(Form1->childAt(20, 400), Form1->Memo2->viewport());
    const auto boxes = BoxesShownBy([] {
        Form1->TrackBar1->SetPosition(3);
        vcl::Fire(Form1->Button3->OnClick, Form1->Button3);
        vcl::Fire(Form1->Button2->OnClick, Form1->Button2);
    });
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(FramesShown(), frames);
}

} // namespace
