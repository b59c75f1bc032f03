#pragma once
// Unit Main: the main window, an MDI frame with the experiment menu, an empty tool bar and a
// status bar that shows the menu hints; the data-set commands and the list of experiments.
#include <QMainWindow>

class QMdiArea;
class QMenu;
class QMenuBar;
class QStatusBar;
class QToolBar;

class TMainForm : public QMainWindow {
public:
    TMainForm();

    QMenuBar* MainMenu1;
    QMenu* File1;
    QMenu* Help1;
    QAction* N1;
    QAction* FileExitItem;
    QAction* HelpAboutItem;
    QStatusBar* StatusBar;
    QToolBar* ToolBar2;
    QAction* Options1;
    QAction* Kincaid1;
    QAction* KincaidEvaluation1;

    void HelpAbout1Execute(QObject* Sender);
    void FileExit1Execute(QObject* Sender);
    void Kincaid1Click(QObject* Sender);
    void KincaidEvaluation1Click(QObject* Sender);

    // The frame's client area, where the viewer lives.
    QMdiArea* ClientArea() const { return clientArea_; }

private:
    void CreateMenu();
    QMdiArea* clientArea_;
};

extern TMainForm* MainForm;

// Reads the experiment headers of DataFileName into ExperimentDates and the date list of
// Form1->ComboBox1 (replaced only once the whole file has been read).
void ReadExperimentList();

// Start-up: the main window (hidden), the viewer in it (its creation reads "MISC_KIN.DAT" and
// makes the drawing surface) and the hidden About box, in this order.
void CreateViewerForms();
// End of run: the three forms go, and their references are emptied.
void DestroyViewerForms();

// The run of the program once its application object exists: start-up, the message loop until
// the frame closes, the end of run. Returns the exit code, 0.
int RunViewer();
