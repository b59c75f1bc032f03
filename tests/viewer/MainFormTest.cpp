// The main window, its menu and status bar, the data-set commands, the About box and Exit.
#include "About.h"
#include "GLControl.h"
#include "Main.h"
#include "ORVUnit1.h"
#include "ViewerTestSupport.h"
#include "vcl/Application.h"
#include "vcl/Hints.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QtGui/qguiapplication_platform.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <xcb/xcb.h>

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.write("MISC_KIN.DAT", kMeteoFile);
        folder.write("SF6_All.DAT", "50380 1 1\r\n1 290 4390 x 5\r\n 13\r\n52380 1 0\r\n");
        folder.write("SF6_ALL_EVAL.DAT", "60380 1 0\r\n62380 1 0\r\n63380 1 0\r\n");
        forms = std::make_unique<ViewerForms>();
    }
    void TearDown() override { forms.reset(); }

    std::vector<std::string> Dates() const
    {
        std::vector<std::string> dates;
        for (int i = 0; i < Form1->ComboBox1->ItemCount(); ++i)
            dates.push_back(Form1->ComboBox1->Item(i));
        return dates;
    }
    std::string Status() const { return MainForm->StatusBar->currentMessage().toStdString(); }

    kit_test::CurrentScratchFolder folder;
    std::unique_ptr<ViewerForms> forms;
};

using DateList = std::vector<std::string>;

TEST_F(MainWindow, StartsWithTheViewerMaximisedInTheFrame)
{
    EXPECT_TRUE(forms->startupBoxes.empty());
    // The frame shows the maximised viewer's caption beside its own.
    EXPECT_EQ(MainForm->windowTitle().toStdString(), "ORV - [Veltrana]");
    EXPECT_EQ(Form1->Caption(), "Veltrana");
    EXPECT_TRUE(DataFileName.empty());
    EXPECT_EQ(Form1->ComboBox1->ItemCount(), 0);
    EXPECT_EQ(Form1->ComboBox1->Text(), "Experiment Date");
    EXPECT_EQ(Form1->ComboBox2->Text(), "Hour");
    EXPECT_TRUE(Form1->StringGrid1->isHidden());
    EXPECT_TRUE(Form1->StringGrid2->isHidden());
    EXPECT_FALSE(AboutBox->isVisible());

    const QList<QMdiSubWindow*> children = MainForm->ClientArea()->subWindowList();
    ASSERT_EQ(children.size(), 1);
    EXPECT_EQ(children[0]->widget(), Form1);
    EXPECT_TRUE(children[0]->isMaximized());
    EXPECT_EQ(MainForm->ClientArea()->size(), QSize(765, 529));
    EXPECT_EQ(MainForm->ToolBar2->height(), 30);
    EXPECT_TRUE(MainForm->ToolBar2->actions().isEmpty());
    EXPECT_EQ(MainForm->StatusBar->height(), 19);
}

TEST_F(MainWindow, TheViewerCanBeNeitherClosedNorRestored)
{
    QMdiSubWindow* child = MainForm->ClientArea()->subWindowList().front();
    const Qt::WindowFlags flags = child->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(child->systemMenu(), nullptr);

    EXPECT_FALSE(child->close());
    child->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([child] { return child->isMaximized(); }));
    child->showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([child] { return child->isMaximized(); }));
    EXPECT_TRUE(child->isVisible());
}

TEST_F(MainWindow, TheMenuHasTheDesignedItemsAndMnemonics)
{
    std::vector<std::string> bar;
    for (QAction* entry : MainForm->MainMenu1->actions())
        bar.push_back(entry->text().toStdString());
    EXPECT_EQ(bar, (std::vector<std::string>{"&Experiment", "Options", "&Help"}));
    std::vector<std::string> file;
    for (QAction* item : MainForm->File1->actions())
        file.push_back(item->isSeparator() ? "-" : item->text().toStdString());
    EXPECT_EQ(file, (std::vector<std::string>{"Kincaid Developement", "Kincaid Evaluation", "-", "E&xit"}));
    ASSERT_EQ(MainForm->Help1->actions().size(), 1);
    EXPECT_EQ(MainForm->HelpAboutItem->text().toStdString(), "&About...");
    EXPECT_EQ(MainForm->Options1->menu(), nullptr);
    for (QAction* item :
         {MainForm->Kincaid1, MainForm->KincaidEvaluation1, MainForm->FileExitItem, MainForm->HelpAboutItem})
        EXPECT_TRUE(item->shortcut().isEmpty());

    MainForm->Options1->trigger(); // does nothing
    EXPECT_TRUE(MainForm->isVisible());
    EXPECT_EQ(Form1->Caption(), "Veltrana");
}

TEST_F(MainWindow, TheStatusBarShowsTheLongHintOfTheHighlightedItem)
{
    EXPECT_EQ(vcl::GetLongHint("Exit|Exit application"), "Exit application");
    EXPECT_EQ(vcl::GetLongHint("Help topics"), "Help topics");
    EXPECT_EQ(vcl::GetLongHint("a|b|c"), "b|c");
    EXPECT_EQ(vcl::GetLongHint(""), "");

    QMenuBar* bar = MainForm->MainMenu1;
    const auto statusBecomes = [this](const std::string& text) {
        return QTest::qWaitFor([&] { return Status() == text; });
    };
    bar->setActiveAction(MainForm->File1->menuAction());
    EXPECT_TRUE(statusBecomes("File related commands")) << Status();
    MainForm->File1->setActiveAction(MainForm->FileExitItem);
    EXPECT_EQ(Status(), "Exit application");
    MainForm->File1->setActiveAction(MainForm->Kincaid1);
    EXPECT_EQ(Status(), "");
    MainForm->File1->hide();
    ASSERT_TRUE(QTest::qWaitFor([bar] { return !bar->activeAction(); }));
    EXPECT_EQ(Status(), "");

    bar->setActiveAction(MainForm->Help1->menuAction());
    EXPECT_TRUE(statusBecomes("Help topics")) << Status();
    MainForm->Help1->setActiveAction(MainForm->HelpAboutItem);
    EXPECT_EQ(Status(), "Displays program information, version number, and copyright");
    MainForm->Help1->hide();
    EXPECT_TRUE(statusBecomes("")) << Status();
}

TEST_F(MainWindow, RestingThePointerOnTheBarShowsNoHint)
{
    QMenuBar* bar = MainForm->MainMenu1;
    for (QAction* entry : {MainForm->File1->menuAction(), MainForm->Help1->menuAction()}) {
        QTest::mouseMove(bar, bar->actionGeometry(entry).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return bar->activeAction() == entry; }));
        QCoreApplication::processEvents();
        EXPECT_EQ(Status(), "") << entry->text().toStdString();
    }
}

// A key as a person presses it: it goes to the open drop-down, or else to the control with the
// focus; its release goes where keys go by then.
void PressKey(Qt::Key key)
{
    const auto target = [] {
        QWidget* popup = QApplication::activePopupWidget();
        return popup ? popup : QApplication::focusWidget();
    };
    QTest::keyPress(target(), key);
    QTest::keyRelease(target(), key);
}

TEST_F(MainWindow, TheArrowKeysMoveAlongTheWholeBarAndNeverReachTheForm)
{
    MainForm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
    Form1->TrackBar1->setFocus();
    ASSERT_TRUE(Form1->TrackBar1->hasFocus());
    const long frames = FramesShown();
    QMenuBar* bar = MainForm->MainMenu1;
    QAction* const experiment = MainForm->File1->menuAction();
    QAction* const options = MainForm->Options1;
    QAction* const help = MainForm->Help1->menuAction();

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(experiment).center());
    ASSERT_TRUE(QTest::qWaitFor([] { return MainForm->File1->isVisible(); }));
    std::vector<QAction*> highlighted;
    std::vector<std::string> hints;
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left}) {
        PressKey(key);
        QCoreApplication::processEvents();
        highlighted.push_back(bar->activeAction());
        hints.push_back(Status());
    }
    EXPECT_EQ(highlighted, (std::vector<QAction*>{options, help, experiment, help, options}));
    // The first item of an opened drop-down is highlighted; Options has no hint.
    EXPECT_EQ(hints,
              (std::vector<std::string>{"", "Displays program information, version number, and copyright", "",
                                        "Displays program information, version number, and copyright", ""}));
    EXPECT_FALSE(QApplication::activePopupWidget());

    // Enter on Options chooses it: nothing happens, and the loop ends.
    PressKey(Qt::Key_Return);
    EXPECT_EQ(bar->activeAction(), nullptr);
    EXPECT_FALSE(QApplication::activePopupWidget());
    EXPECT_FALSE(QApplication::activeModalWidget());
    EXPECT_EQ(Form1->TrackBar1->Position(), 0);
    EXPECT_EQ(FramesShown(), frames);

    // Escape on Options ends the loop as well; the keys go to the form again.
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help).center());
    ASSERT_TRUE(QTest::qWaitFor([] { return MainForm->Help1->isVisible(); }));
    PressKey(Qt::Key_Left);
    ASSERT_EQ(bar->activeAction(), options);
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(bar->activeAction(), nullptr);
    EXPECT_EQ(Form1->TrackBar1->Position(), 0);
    PressKey(Qt::Key_Right);
    EXPECT_EQ(Form1->TrackBar1->Position(), 2);
}

TEST_F(MainWindow, TheDataSetCommandsSetCaptionFileAndDates)
{
    EXPECT_TRUE(BoxesShownBy([] { MainForm->Kincaid1->trigger(); }).empty());
    EXPECT_EQ(Form1->Caption(), "Kincaid Developement Data");
    EXPECT_EQ(DataFileName, "SF6_All.DAT");
    EXPECT_EQ(Dates(), (DateList{"50380", "52380"}));

    MainForm->Kincaid1->trigger(); // again: the same list, read anew
    EXPECT_EQ(Dates(), (DateList{"50380", "52380"}));

    MainForm->KincaidEvaluation1->trigger();
    EXPECT_EQ(Form1->Caption(), "Kincaid Evaluation Data");
    EXPECT_EQ(DataFileName, "SF6_ALL_EVAL.DAT");
    EXPECT_EQ(Dates(), (DateList{"60380", "62380", "63380"}));
    EXPECT_EQ(Form1->ComboBox1->Text(), "Experiment Date");
}

TEST_F(MainWindow, AMissingDataFileShowsTheErrorAndKeepsTheDates)
{
    MainForm->Kincaid1->trigger();
    std::remove("SF6_ALL_EVAL.DAT");
    const auto boxes = BoxesShownBy([] { MainForm->KincaidEvaluation1->trigger(); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "File not found.");
    EXPECT_EQ(boxes[0].Title, vcl::ApplicationTitle());
    EXPECT_EQ(boxes[0].Icon, QMessageBox::Critical);
    EXPECT_EQ(Form1->Caption(), "Kincaid Evaluation Data");
    EXPECT_EQ(DataFileName, "SF6_ALL_EVAL.DAT");
    EXPECT_EQ(Dates(), (DateList{"50380", "52380"}));
}

TEST_F(MainWindow, TheAboutBoxClosesWithEnterButNotWithEscape)
{
    bool stillOpenAfterEscape = false;
    std::string caption;
    std::vector<std::string> texts;
    WhileModal([] { MainForm->HelpAboutItem->trigger(); },
               [&](QWidget* modal) {
                   caption = modal->windowTitle().toStdString();
                   for (QLabel* label : modal->findChildren<QLabel*>())
                       if (!label->text().isEmpty())
                           texts.push_back(label->text().toStdString());
                   QTest::keyClick(modal, Qt::Key_Escape);
                   stillOpenAfterEscape = modal->isVisible();
                   QTest::keyClick(modal, Qt::Key_Return);
               });
    EXPECT_EQ(caption, "About");
    EXPECT_TRUE(stillOpenAfterEscape);
    EXPECT_FALSE(AboutBox->isVisible());
    EXPECT_EQ(AboutBox->result(), QDialog::Accepted);
    EXPECT_EQ(texts,
              (std::vector<std::string>{"Product Name", "Version", "Copyright", "Comments", "Quenlor"}));
    EXPECT_EQ(AboutBox->size(), QSize(298, 218));
    EXPECT_EQ(AboutBox->ProgramIcon->pixmap().size(), QSize(32, 32));

    // Opened again, the same box closes with a click on OK.
    WhileModal([] { MainForm->HelpAboutItem->trigger(); }, [](QWidget*) { AboutBox->OKButton->click(); });
    EXPECT_FALSE(AboutBox->isVisible());
}

TEST_F(MainWindow, ExitClosesTheMainWindow)
{
    MainForm->FileExitItem->trigger();
    EXPECT_FALSE(MainForm->isVisible());
}

struct ChildRun {
    QProcess::ExitStatus status;
    int code;
    std::string output;
};

// Runs this test binary again under the program's own file name, with `mark` set, running only
// `test`.
ChildRun RunAsOrv(const char* mark, const char* test)
{
    kit_test::CurrentScratchFolder folder;
    const std::filesystem::path program = folder.path() / "ORV";
    std::filesystem::create_symlink(QCoreApplication::applicationFilePath().toStdString(), program);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(mark, "1");
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QString::fromStdString(program.string()), {QStringLiteral("--gtest_filter=") + test});
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
        return {QProcess::CrashExit, -1,
                "did not end: " + QString::fromLocal8Bit(child.readAll()).toStdString()};
    }
    return {child.exitStatus(), child.exitCode(), QString::fromLocal8Bit(child.readAll()).toStdString()};
}

// The child's own test passed.
void ExpectPassed(const ChildRun& run)
{
    EXPECT_EQ(run.status, QProcess::NormalExit) << run.output;
    EXPECT_EQ(run.code, 0) << run.output;
    EXPECT_NE(run.output.find("[  PASSED  ] 1 test."), std::string::npos) << run.output;
}

// A text property of an X window.
std::string WindowProperty(QWidget* window, const char* name)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return "(no X11)";
    xcb_connection_t* connection = x11->connection();
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(strlen(name)), name), nullptr);
    if (!atom)
        return "(no atom)";
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, static_cast<xcb_window_t>(window->winId()),
                                                atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                               nullptr);
    free(atom);
    std::string value;
    if (reply)
        value.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                     static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    free(reply);
    return value;
}

const char* const kDesktopNameMark = "ORV_TEST_DESKTOP_NAME";

TEST(DesktopName, TheProgramsWindowsAreNamedByTheApplicationTitleWhileTheFrameKeepsItsCaption)
{
    if (!qEnvironmentVariableIsSet(kDesktopNameMark)) {
        ExpectPassed(RunAsOrv(kDesktopNameMark, "DesktopName.*"));
        return;
    }
    kit_test::CurrentScratchFolder folder;
    folder.write("MISC_KIN.DAT", kMeteoFile);
    ViewerForms forms;
    ASSERT_EQ(vcl::ApplicationTitle(), "Orv");
    // WM_CLASS holds the instance name, then the class, each ending in a NUL.
    const std::string windowClass = WindowProperty(MainForm, "WM_CLASS");
    EXPECT_EQ(windowClass.substr(windowClass.find('\0') + 1), std::string("Orv", 4));
    EXPECT_EQ(WindowProperty(MainForm, "WM_ICON_NAME"), "Orv");
    EXPECT_EQ(WindowProperty(MainForm, "_NET_WM_ICON_NAME"), "Orv");
    EXPECT_EQ(MainForm->windowTitle().toStdString(), "ORV - [Veltrana]");

    // The error box is captioned with the same title.
    MainForm->show();
    const auto boxes = BoxesShownBy([] { MainForm->Kincaid1->trigger(); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Title, "Orv");
}

const char* const kExitMark = "ORV_TEST_EXIT";

// In the child: the program's own run, in which the user clicks "Options" and then Exit in the
// Experiment menu; what the run returns is the process's exit status.
[[noreturn]] void RunAndExitFromTheMenu()
{
    kit_test::CurrentScratchFolder folder;
    folder.write("MISC_KIN.DAT", kMeteoFile);
    bool optionsOpenedNothing = false;
    QTimer::singleShot(0, [&] {
        bool shown = QTest::qWaitForWindowExposed(MainForm);
        const auto shownWindows = [] {
            int shown = 0;
            for (QWidget* window : QApplication::topLevelWidgets())
                shown += window->isVisible();
            return shown;
        };
        const int before = shownWindows();
        QMenuBar* bar = MainForm->MainMenu1;
        bool chosen = false;
        QObject::connect(MainForm->Options1, &QAction::triggered, [&chosen] { chosen = true; });
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(MainForm->Options1).center());
        shown = shown && QTest::qWaitFor([&chosen] { return chosen; });
        optionsOpenedNothing = shown && shownWindows() == before && !QApplication::activePopupWidget() &&
            !QApplication::activeModalWidget() && Form1->Caption() == "Veltrana";
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(MainForm->File1->menuAction()).center());
        // Should the menu not open, the click misses Exit and the run never ends.
        shown = QTest::qWaitForWindowExposed(MainForm->File1);
        if (shown)
            QTest::mouseClick(MainForm->File1, Qt::LeftButton, {},
                              MainForm->File1->actionGeometry(MainForm->FileExitItem).center());
    });
    const int status = RunViewer();
    std::printf("the event loop ended; Options opened %s\n", optionsOpenedNothing ? "nothing" : "something");
    std::fflush(stdout);
    std::_Exit(status);
}

TEST(ExitCommand, EndsTheEventLoopAndTheProcessWithStatusZeroWhileOptionsOpensNothing)
{
    if (qEnvironmentVariableIsSet(kExitMark))
        RunAndExitFromTheMenu();
    const ChildRun run = RunAsOrv(kExitMark, "ExitCommand.*");
    EXPECT_EQ(run.status, QProcess::NormalExit) << run.output;
    EXPECT_EQ(run.code, 0) << run.output;
    EXPECT_NE(run.output.find("the event loop ended; Options opened nothing"), std::string::npos)
        << run.output;
}

TEST(StartUp, WithoutTheMeteoFileOneErrorBoxComesUpAndTheViewerIsShown)
{
    kit_test::CurrentScratchFolder folder;
    ViewerForms forms;
    ASSERT_EQ(forms.startupBoxes.size(), 1u);
    EXPECT_EQ(forms.startupBoxes[0].Text, "File not found.");
    EXPECT_EQ(forms.startupBoxes[0].Title, vcl::ApplicationTitle());
    EXPECT_EQ(Form1->Caption(), "Veltrana");
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_EQ(Form1->Memo1->Lines.Count(), 0);
    EXPECT_EQ(BarScale, 0.01);
    EXPECT_EQ(FilterMax, 100.0);
    EXPECT_EQ(Form1->StringGrid2->Cells(0, 11), "Monin Obukhov L");
}

TEST(TestListing, NeedsNoDisplay)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_list_tests")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const std::string output = QString::fromLocal8Bit(child.readAll()).toStdString();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output;
    EXPECT_EQ(child.exitCode(), 0) << output;
    EXPECT_NE(output.find("TestListing.\n  NeedsNoDisplay"), std::string::npos) << output;
}

} // namespace
