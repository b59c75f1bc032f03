// The error box: text, caption, icon and button, and how an exception in a handler ends there.
#include "ViewerTestSupport.h"
#include "vcl/Application.h"
#include "vcl/ErrorBox.h"
#include "vcl/Events.h"
#include "vcl/Exceptions.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QEvent>

namespace {

TEST(ErrorBoxText, AddsAFullStopUnlessTheLastCharacterSortsAtOrBeforeIt)
{
    const std::pair<std::string, std::string> rows[] = {
        {"File not found", "File not found."},
        {"'x' is not a valid floating point value", "'x' is not a valid floating point value."},
        {"Done.", "Done."},
        {"Wait...", "Wait..."},
        {"Stop!", "Stop!"},
        {"a-", "a-"},
        {"a ", "a "},
        {"I/O error 5", "I/O error 5."},
        {"Path/", "Path/."},
        {"\xe9", "\xe9."},
        {"", ""},
    };
    for (const auto& [message, text] : rows)
        EXPECT_EQ(vcl::ErrorBoxText(message), text) << message;
}

TEST(ApplicationTitle, IsTheProgramNameUpToTheFirstDotInLowerCaseAfterTheFirstLetter)
{
    EXPECT_EQ(vcl::TitleFromProgramFile("/opt/kit/bin/ORV"), "Orv");
    EXPECT_EQ(vcl::TitleFromProgramFile("ORV.EXE"), "Orv");
    EXPECT_EQ(vcl::TitleFromProgramFile("my.Viewer.bin"), "my");
    EXPECT_EQ(vcl::TitleFromProgramFile("./viewer_TESTS"), "viewer_tests");
}

TEST(ErrorBox, AnExceptionLeavingAHandlerEndsItAndIsShownInAStopBox)
{
    bool after = false;
    const auto boxes = BoxesShownBy([&] {
        vcl::Fire(
            [&](QObject*) {
                throw vcl::EConvertError("'' is not a valid floating point value");
                after = true;
            },
            nullptr);
    });
    EXPECT_FALSE(after);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "'' is not a valid floating point value.");
    EXPECT_EQ(boxes[0].Title, vcl::ApplicationTitle());
    EXPECT_EQ(boxes[0].Icon, QMessageBox::Critical);
    EXPECT_EQ(boxes[0].Buttons, QMessageBox::Ok);
}

TEST(ErrorBox, AHandlerThatSucceedsShowsNothing)
{
    int calls = 0;
    const auto boxes = BoxesShownBy([&] { vcl::Fire([&](QObject*) { ++calls; }, nullptr); });
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(boxes.empty());
}

// The text as the box shows it: the texts of its visible labels, each of which must hold its
// lines whole; the line breaks that the box put in are left out.
std::string ShownWhole(const QMessageBox& box)
{
    std::string shown;
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        const QRect room = label->contentsRect();
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect needed = label->fontMetrics().boundingRect(room, wrap, label->text());
        EXPECT_LE(needed.width(), room.width()) << label->text().toStdString();
        EXPECT_LE(needed.height(), room.height()) << label->text().toStdString();
        shown += QString(label->text()).remove('\n').toStdString();
    }
    return shown;
}

TEST(ErrorBox, ShowsItsWholeTextOnTheScreenAndCtrlCCopiesIt)
{
    const std::string rows[] = {
        "'" + std::string(200, '7') + "x' is not a valid floating point value.", // a long word
        "'" + std::string(3000, 'w') + "' is not a valid floating point value.",
        "'" + std::string(30000, 'h') + "' is not a valid floating point value.", // taller than the screen
        std::string(120, ' ') + "many words after many blanks, " + std::string(40, 'n') + ".",
        "File not found.",
    };
    for (const std::string& text : rows) {
        int boxes = 0;
        WhileModal([&] { vcl::ShowErrorBox(text); },
                   [&](QWidget* modal) {
                       auto* box = qobject_cast<QMessageBox*>(modal);
                       ASSERT_NE(box, nullptr);
                       ++boxes;
                       EXPECT_EQ(box->text().toStdString(), text);
                       EXPECT_EQ(ShownWhole(*box), text);
                       EXPECT_TRUE(box->screen()->availableGeometry().contains(box->frameGeometry()))
                           << text.size();
                       QGuiApplication::clipboard()->clear();
                       QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
                       EXPECT_NE(QGuiApplication::clipboard()->text().toStdString().find("\n" + text + "\n"),
                                 std::string::npos);
                       box->button(QMessageBox::Ok)->click();
                   });
        EXPECT_EQ(boxes, 1);
    }
}

// An object whose events raise, as a paint or mouse handler might.
class Raising : public QObject {
public:
    bool event(QEvent*) override { throw vcl::EInOutError(2, "File not found"); }
};

TEST(ErrorBox, AnExceptionEscapingAnEventIsShownAndTheLoopGoesOn)
{
    Raising target;
    QEvent event(QEvent::User);
    const auto boxes = BoxesShownBy([&] { QCoreApplication::sendEvent(&target, &event); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "File not found.");
}

} // namespace
