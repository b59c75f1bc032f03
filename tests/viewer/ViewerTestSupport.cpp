#include "ViewerTestSupport.h"

#include "GLControl.h"
#include "Main.h"
#include "ORVUnit1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>

void WhileModal(const std::function<void()>& action, const std::function<void(QWidget*)>& onModal)
{
    std::set<QWidget*> seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && !seen.count(modal)) {
            seen.insert(modal);
            onModal(modal);
        }
    });
    poll.start();
    action();
    poll.stop();
}

std::vector<ShownBox> BoxesShownBy(const std::function<void()>& action)
{
    std::vector<ShownBox> boxes;
    WhileModal(action, [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return;
        boxes.push_back({box->windowTitle().toStdString(), box->text().toStdString(), box->icon(),
                         box->standardButtons()});
        EXPECT_EQ(box->textFormat(), Qt::PlainText)
            << "a message box reads its text as markup: " << boxes.back().Text;
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->close();
    });
    return boxes;
}

const char* const kMeteoFile = "80 5 3 1 1200 1100 -0.5 290.1 5.1 7.2 240 0.8 0.4 0.35 1.2 -55\r\n"
                               "80 5 3 2 1250 1150 -0.6 290.9 5.4 7.9 245 0.9 0.5 0.37 1.4 -48\r\n";

const char* const kTwoSamplerSf6File = "50380 011 2\r\n"
                                       "1 300 4400 x 10 20 30 40 50 60 70 80 90 100 110 120\r\n 13\r\n"
                                       "2 290.26 4390.1 x 11 21 31 41 51 61 71 81 91 101 111 121\r\n 13\r\n"
                                       "52380 1 0\r\n";

std::string Sampler(int number, const std::string& x, const std::string& y, const std::string& prefix)
{
    std::string a = std::to_string(number) + " " + x + " " + y + " 0";
    std::string b;
    for (int hour = 1; hour <= 12; ++hour)
        a += " " + prefix + std::to_string(hour);
    for (int hour = 13; hour <= 24; ++hour)
        b += " " + prefix + std::to_string(hour);
    return a + "\r\n" + b + "\r\n";
}

ViewerForms::ViewerForms()
{
    SelectedDate.clear();
    DataFileName.clear();
    BarScale = FilterMin = FilterMax = 0;
    ExperimentDates.clear();
    startupBoxes = BoxesShownBy([] { CreateViewerForms(); });
    MainForm->show();
    if (!QTest::qWaitForWindowExposed(MainForm))
        throw std::runtime_error("main window not shown");
}

ViewerForms::~ViewerForms()
{
    DestroyViewerForms();
}

void StartWithTwoSamplers(const kit_test::ScratchFolder& folder, std::unique_ptr<ViewerForms>& forms)
{
    folder.write("MISC_KIN.DAT", kMeteoFile);
    forms = std::make_unique<ViewerForms>();
    ASSERT_TRUE(forms->startupBoxes.empty());
    ASSERT_NE(Form1->GLPanel, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1->GLPanel));
    Form1->Memo2->Lines.Clear();
    Form1->Memo2->Lines.Add("-8.75 8.75 100");
    Form1->Memo2->Lines.Add("0 0 5");
}
