// Start-up where the window system offers no OpenGL: the viewer runs again in a child process
// told to use no OpenGL binding, and reports what it saw.
#include "GLControl.h"
#include "ORVUnit1.h"
#include "ViewerTestSupport.h"
#include "vcl/Events.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const char* const kChildMark = "ORV_TEST_WITHOUT_OPENGL";

void StartWithoutOpenGL()
{
    kit_test::CurrentScratchFolder folder;
    folder.write("MISC_KIN.DAT", kMeteoFile);
    ViewerForms forms;
    ASSERT_EQ(forms.startupBoxes.size(), 1u); // "SetPixelFormat failed." does not follow
    EXPECT_EQ(forms.startupBoxes[0].Title, "Error");
    EXPECT_EQ(forms.startupBoxes[0].Text, "ChoosePixelFormat failed.");
    EXPECT_EQ(forms.startupBoxes[0].Icon, QMessageBox::Critical);
    EXPECT_EQ(forms.startupBoxes[0].Buttons, QMessageBox::Ok);

    // Start-up went on: the surface and its mouse handlers exist, but frames draw nothing.
    ASSERT_NE(Form1->GLPanel, nullptr);
    EXPECT_TRUE(bool(Form1->GLPanel->OnMouseMove));
    EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
    const long frames = FramesShown();
    EXPECT_TRUE(BoxesShownBy([] { vcl::Fire(Form1->Button1->OnClick, Form1->Button1); }).empty());
    EXPECT_EQ(FramesShown(), frames);
}

TEST(RenderWithoutOpenGL, OneBoxSaysNoPixelFormatCouldBeChosenAndStartUpGoesOn)
{
    if (qEnvironmentVariableIsSet(kChildMark)) {
        StartWithoutOpenGL();
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kChildMark, "1");
    environment.insert("QT_XCB_GL_INTEGRATION", "none");
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=RenderWithoutOpenGL.OneBoxSaysNoPixelFormatCouldBeChosenAndStartUpGoesOn"});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test.")) << output.toStdString();
}

// A surface on which a context of the asked-for format cannot draw: the steps of the form's
// creation from the surface on, as it takes them.
TEST(RenderWithoutOpenGL, ASurfaceTheContextCannotDrawOnGivesOneBoxAndStartUpGoesOnWithoutAPicture)
{
    QWidget form;
    form.resize(764, 529);
    auto* surface = new TGLControl(&form);
    surface->setSurfaceType(QSurface::RasterSurface);
    surface->SetBounds(0, 0, 500, 500);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    surface->create();

    const auto boxes = BoxesShownBy([&] { SetupPixelFormat(surface); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Title, "Error");
    EXPECT_EQ(boxes[0].Text, "SetPixelFormat failed.");
    EXPECT_EQ(boxes[0].Icon, QMessageBox::Critical);
    EXPECT_EQ(boxes[0].Buttons, QMessageBox::Ok);

    // The context is made and the state set all the same; frames then show nothing.
    const long frames = FramesShown();
    EXPECT_TRUE(BoxesShownBy([&] {
                    surface->CreateRenderingContext();
                    InitGL();
                    DrawSceneFrame(SceneView{}, {"-8.75 8.75 100", "0 0 5"});
                }).empty());
    EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
    EXPECT_EQ(FramesShown(), frames);
}

} // namespace
