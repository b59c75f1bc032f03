#include "Main.h"

#include "About.h"
#include "ORVStrngTTT.h"
#include "ORVUnit1.h"
#include "vcl/Application.h"
#include "vcl/ErrorBox.h"
#include "vcl/Forms.h"
#include "vcl/Hints.h"
#include "vcl/MainMenu.h"
#include "vcl/TextFile.h"

#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

TMainForm* MainForm = nullptr;

namespace {

// The design's outer bounds and the heights of the tool and status bars, in pixels.
constexpr int kLeft = 149, kTop = 72, kClientWidth = 765, kClientHeight = 578;
constexpr int kToolBarHeight = 30, kStatusBarHeight = 19;

// Runs a menu command the way the message loop runs a handler.
template <class Handler>
void onChoice(QAction* item, TMainForm* form, Handler handler)
{
    QObject::connect(item, &QAction::triggered, form,
                     [item, form, handler] { vcl::Guarded([&] { (form->*handler)(item); }); });
}

} // namespace

TMainForm::TMainForm()
{
    setWindowTitle(QStringLiteral("ORV"));
    vcl::NameForDesktop(this);
    setFont(vcl::DesignFont());

    clientArea_ = new QMdiArea(this);
    clientArea_->setBackground(QColor(128, 128, 128));
    setCentralWidget(clientArea_);

    CreateMenu();

    ToolBar2 = new QToolBar(this);
    ToolBar2->setMovable(false);
    ToolBar2->setFloatable(false);
    ToolBar2->setFixedHeight(kToolBarHeight);
    ToolBar2->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, ToolBar2);

    StatusBar = new QStatusBar(this);
    StatusBar->setFixedHeight(kStatusBarHeight);
    StatusBar->setSizeGripEnabled(true);
    setStatusBar(StatusBar);

    // The menu bar is part of the client area here: it is added so that the tool bar, the
    // MDI client area and the status bar keep their design heights.
    move(kLeft, kTop);
    resize(kClientWidth, kClientHeight + MainMenu1->sizeHint().height());
}

void TMainForm::CreateMenu()
{
    MainMenu1 = new vcl::TMainMenu(this);
    setMenuBar(MainMenu1);

    File1 = MainMenu1->addMenu(QStringLiteral("&Experiment"));
    vcl::SetHint(File1->menuAction(), "File related commands");
    Kincaid1 = File1->addAction(QStringLiteral("Kincaid Developement"));
    KincaidEvaluation1 = File1->addAction(QStringLiteral("Kincaid Evaluation"));
    N1 = File1->addSeparator();
    FileExitItem = File1->addAction(QStringLiteral("E&xit"));
    vcl::SetHint(FileExitItem, "Exit|Exit application");

    Options1 = MainMenu1->addAction(QStringLiteral("Options"));

    Help1 = MainMenu1->addMenu(QStringLiteral("&Help"));
    vcl::SetHint(Help1->menuAction(), "Help topics");
    HelpAboutItem = Help1->addAction(QStringLiteral("&About..."));
    vcl::SetHint(HelpAboutItem, "About|Displays program information, version number, and copyright");

    onChoice(Kincaid1, this, &TMainForm::Kincaid1Click);
    onChoice(KincaidEvaluation1, this, &TMainForm::KincaidEvaluation1Click);
    onChoice(FileExitItem, this, &TMainForm::FileExit1Execute);
    onChoice(HelpAboutItem, this, &TMainForm::HelpAbout1Execute);
}

void TMainForm::HelpAbout1Execute(QObject*)
{
    AboutBox->exec();
}

void TMainForm::FileExit1Execute(QObject*)
{
    close();
}

void TMainForm::Kincaid1Click(QObject*)
{
    Form1->SetCaption("Kincaid Developement Data");
    DataFileName = "SF6_All.DAT";
    ReadExperimentList();
}

void TMainForm::KincaidEvaluation1Click(QObject*)
{
    Form1->SetCaption("Kincaid Evaluation Data");
    DataFileName = "SF6_ALL_EVAL.DAT";
    ReadExperimentList();
}

void ReadExperimentList()
{
    std::vector<std::string> headers;
    vcl::TextFile file(DataFileName);
    while (!file.Eof()) {
        headers.push_back(file.ReadLn());
        const std::int32_t pairs = StrToIntOrZero(ExtractWords(3, 1, headers.back()));
        // Past the end only empty lines would follow: stop dropping there.
        for (std::int64_t line = 0; line < 2 * static_cast<std::int64_t>(pairs) && !file.Eof(); ++line)
            file.ReadLn();
    }

    vcl::TComboBox& dates = *Form1->ComboBox1;
    dates.ClearItems();
    if (ExperimentDates.size() < headers.size())
        ExperimentDates.resize(headers.size());
    for (std::size_t j = 0; j < headers.size(); ++j) {
        ExperimentDates[j] = ExtractWords(1, 1, headers[j]);
        dates.AddItem(ExperimentDates[j]);
    }
}

void CreateViewerForms()
{
    MainForm = new TMainForm;
    Form1 = new TForm1;
    vcl::AddFixedMaximisedChild(MainForm->ClientArea(), Form1);
    AboutBox = new TAboutBox(MainForm);
}

int RunViewer()
{
    CreateViewerForms();
    MainForm->show();
    QApplication::exec();
    DestroyViewerForms();
    return 0;
}

void DestroyViewerForms()
{
    delete MainForm; // owns the viewer and the About box
    MainForm = nullptr;
    Form1 = nullptr;
    AboutBox = nullptr;
}
