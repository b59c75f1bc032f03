#pragma once
// Unit ORVUnit1: the viewer form TForm1, its unit-level variables and the readers of the
// meteorological file and of an experiment's block.
//
// ---------------------------------------------------------------------------------------------
// How the viewer's code talks to the form (for every file that implements a TForm1 method):
//
// Controls (viewer/vcl/*.h), 8-bit std::string texts throughout:
//   TrackBar1..3   vcl::TTrackBar   Position() / SetPosition(int); SetPosition fires OnChange
//                                   only when the clamped position differs from the current one.
//   ComboBox1, 2   vcl::TComboBox   ItemIndex() / SetItemIndex(int) (silent, -1 selects
//                                   nothing), Text() / SetText(), ItemCount(), Item(i),
//                                   AddItem(s), ClearItems() (silent, keeps the shown text).
//   Memo1, Memo2   vcl::TMemo       Lines.Count(), Lines[i], Lines.All(), Lines.Add(s),
//                                   Lines.Clear(); one entry per whole line, read from the
//                                   widget's text (what the user typed included).
//   StringGrid1, 2 vcl::TStringGrid Cells(col, row) / SetCells(col, row, s), ColCount() /
//                                   SetColCount(n), RowCount() / SetRowCount(n),
//                                   SetColWidth(col, w), RowHeight(row).
//   Edit1, Edit2   vcl::TEdit       Text() / SetText(s).
//   Label1..3      vcl::TLabel      Caption() / SetCaption(s).
//   RadioGroup1    vcl::TRadioGroup ItemIndex() / SetItemIndex(i) (silent).
//   Button1..5     vcl::TButton     click() as the user would.
//   GroupBox1, 2   vcl::TGroupBox;  PageControl1 QTabWidget with TabSheet1, TabSheet2 (QWidget).
//   Visible: isHidden() / setVisible(bool) (the control's own flag, not its parents').
//   The form's caption: Caption() / SetCaption(s).
// Events are std::function properties (OnClick, OnChange, OnEnter) set in ORVUnit1.cpp; the
// GL surface's OnMouseDown/OnMouseMove/OnMouseUp are bound by FormCreate with vcl::TMouseEvent
// and vcl::TMouseMoveEvent (vcl/Events.h, with vcl::ShiftStateOf and vcl::MouseButtonOf).
//
// Errors: a handler reports a failure by throwing (vcl::EConvertError, vcl::EInOutError from
// vcl/Exceptions.h, or any vcl::Exception). Every wired event runs its handler through
// vcl::Fire / vcl::Guarded (vcl/ErrorBox.h), which ends the action and shows the error box;
// handlers never catch for that purpose themselves. A handler called by another handler
// (IzborNaDen -> IzborNaCas -> DrawScene) just lets the exception pass.
//
// Paint: TForm1::paintEvent calls FormPaint through vcl::Guarded.
//
// OpenGL: main() calls PrepareOpenGLFormat() (GLControl.h) before the QApplication exists;
// FormCreate makes GLPanel (TGLControl, GLControl.h) as the form's last child at 0, 0, 500 x 500.
//
// Text files: vcl::TextFile (vcl/TextFile.h); words: ExtractWords, StrToIntOrZero
// (ORVStrngTTT.h); numbers with the locale separator: vcl/Numbers.h.
// ---------------------------------------------------------------------------------------------
#include "vcl/ComboBox.h"
#include "vcl/Events.h"
#include "vcl/Forms.h"
#include "vcl/Memo.h"
#include "vcl/StdControls.h"
#include "vcl/StringGrid.h"
#include "vcl/TrackBar.h"

#include <QTabWidget>
#include <string>
#include <vector>

class TGLControl;

class TForm1 : public vcl::TForm {
public:
    // Becomes Form1, builds the design and runs FormCreate (what it raises is shown in the
    // error box and creation goes on).
    explicit TForm1(QWidget* parent = nullptr);

    // Controls, in the order of the design.
    vcl::TTrackBar* TrackBar1;
    vcl::TLabel* Label1;
    vcl::TComboBox* ComboBox2;
    vcl::TMemo* Memo2;
    vcl::TComboBox* ComboBox1;
    vcl::TButton* Button1;
    vcl::TButton* Button2;
    vcl::TTrackBar* TrackBar2;
    vcl::TTrackBar* TrackBar3;
    vcl::TButton* Button3;
    vcl::TButton* Button4;
    vcl::TButton* Button5;
    vcl::TGroupBox* GroupBox1;
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    vcl::TStringGrid* StringGrid2;
    vcl::TStringGrid* StringGrid1;
    vcl::TMemo* Memo1;
    vcl::TRadioGroup* RadioGroup1;
    vcl::TGroupBox* GroupBox2;
    vcl::TEdit* Edit1;
    vcl::TEdit* Edit2;
    vcl::TLabel* Label2;
    vcl::TLabel* Label3;

    // The view's rotation (degrees) and the last mouse press on the drawing surface (pixels).
    float RotY = 0;
    float RotX = 0;
    float DragRotY = 0;
    float DragRotX = 0;
    int DownX = 0;
    int DownY = 0;
    TGLControl* GLPanel = nullptr;

    // Handlers (Sender is the control whose event fired; none of them looks at it).
    void FormCreate(QObject* Sender);       // ORVUnit1_Create.cpp
    void Button1Click(QObject* Sender);     // ORVUnit1_Scene.cpp
    void TrackBar1Change(QObject* Sender);  // ORVUnit1_Scene.cpp
    void FormPaint(QObject* Sender);        // ORVUnit1_Scene.cpp
    void IzborNaDen(QObject* Sender);       // ORVUnit1_Choice.cpp
    void IzborNaCas(QObject* Sender);       // ORVUnit1_Choice.cpp
    void Button2Click(QObject* Sender);     // ORVUnit1_View.cpp
    void Button3Click(QObject* Sender);     // ORVUnit1_View.cpp
    void Button4Click(QObject* Sender);     // ORVUnit1_View.cpp
    void Button5Click(QObject* Sender);     // ORVUnit1_View.cpp
    void RadioGroup1Click(QObject* Sender); // ORVUnit1_Choice.cpp

    // The form's own operations.
    void DrawScene(); // ORVUnit1_Scene.cpp
    void GLMouseDown(QObject* Sender, vcl::TMouseButton Button, vcl::TShiftState Shift, int X,
                     int Y);                                                 // ORVUnit1_View.cpp
    void GLMouseMove(QObject* Sender, vcl::TShiftState Shift, int X, int Y); // ORVUnit1_View.cpp
    void GLMouseUp(QObject* Sender, vcl::TMouseButton Button, vcl::TShiftState Shift, int X,
                   int Y); // ORVUnit1_View.cpp

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateControls();
    void WireEvents();
    void SetTabOrder();
};

// Unit-level variables; zero or empty when the program starts.
extern TForm1* Form1;
extern std::string SelectedDate; // date key of the chosen experiment
extern std::string DataFileName; // SF6 data file of the chosen data set
extern double BarScale;          // bar height per unit of sampler value; 0.01 after FormCreate
extern double FilterMin;         // distance filter, km, exclusive; 0.0 after FormCreate
extern double FilterMax;         // 100.0 after FormCreate
// Date keys of the data file; entry j belongs to item j of ComboBox1. Holds as many entries
// as the file has experiments; entries beyond them keep what a longer list left there.
extern std::vector<std::string> ExperimentDates;

// The meteorological file "MISC_KIN.DAT" into Form1->Memo1, each line behind its date key.
void ReadMeteoFile();
// The block(s) of experiment SelectedDate of DataFileName into the hour list and StringGrid1.
void ReadExperimentData();
