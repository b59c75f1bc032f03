#include "ORVUnit1.h"

#include "ORVStrngTTT.h"
#include "vcl/ErrorBox.h"
#include "vcl/TextFile.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPaintEvent>
#include <algorithm>
#include <cstdint>
#include <utility>

TForm1* Form1 = nullptr;
std::string SelectedDate;
std::string DataFileName;
double BarScale = 0;
double FilterMin = 0;
double FilterMax = 0;
std::vector<std::string> ExperimentDates;

TForm1::TForm1(QWidget* parent) : vcl::TForm(parent)
{
    // The application hands out the reference before the creation handler runs, so that
    // FormCreate and what it calls reach the form through Form1.
    Form1 = this;
    SetCaption("Veltrana");
    setAutoFillBackground(true);
    CreateControls();
    SetTabOrder();
    WireEvents();
    resize(764, 529);
    vcl::Guarded([this] { FormCreate(this); });
}

// Controls in the order of the design: a control made later lies above those made before it.
void TForm1::CreateControls()
{
    Label1 = new vcl::TLabel(this, ">");
    Label1->setGeometry(211, 459, 233, 13);

    GroupBox1 = new vcl::TGroupBox(this, "Zoom");
    GroupBox1->setGeometry(539, 19, 113, 145);

    TrackBar1 = new vcl::TTrackBar(this, Qt::Horizontal, -15, 15, 0, 2, 4, 1);
    TrackBar1->setGeometry(0, 500, 500, 29);

    ComboBox2 = new vcl::TComboBox(this, "Hour", 10);
    ComboBox2->setGeometry(668, 179, 88, 21);

    Memo2 = new vcl::TMemo(this, {"Memo2"});
    Memo2->setGeometry(11, 363, 446, 105);

    ComboBox1 = new vcl::TComboBox(this, "Experiment Date", 8);
    ComboBox1->setGeometry(539, 179, 113, 21);

    Button1 = new vcl::TButton(this, "Button1");
    Button1->setGeometry(363, 19, 75, 25);
    Button2 = new vcl::TButton(this, "3D View");
    Button2->setGeometry(579, 67, 61, 25);

    TrackBar2 = new vcl::TTrackBar(this, Qt::Vertical, -15, 15, 0, 2, 4, 1);
    TrackBar2->setGeometry(500, 0, 29, 500);
    TrackBar3 = new vcl::TTrackBar(this, Qt::Vertical, 1, 50, 20, 2, 4, 5);
    TrackBar3->setGeometry(549, 35, 29, 121);

    Button3 = new vcl::TButton(this, "Bars Up");
    Button3->setGeometry(579, 99, 61, 25);
    Button4 = new vcl::TButton(this, "Bars Down");
    Button4->setGeometry(579, 131, 61, 25);
    Button5 = new vcl::TButton(this, "2D View");
    Button5->setGeometry(579, 35, 61, 25);

    PageControl1 = new QTabWidget(this);
    PageControl1->setGeometry(531, 211, 233, 305);
    TabSheet1 = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("Meteo Data"));
    StringGrid2 = new vcl::TStringGrid(TabSheet1, 2, 13, 1, 0, 64, 21);
    StringGrid2->setGeometry(8, 8, 209, 265);
    StringGrid2->hide();
    TabSheet2 = new QWidget;
    PageControl1->addTab(TabSheet2, QStringLiteral("SF6 Data"));
    StringGrid1 = new vcl::TStringGrid(TabSheet2, 5, 5, 3, 1, 50, 24);
    StringGrid1->setGeometry(8, 4, 209, 269);
    StringGrid1->SetRowHeight(1, 22);
    StringGrid1->hide();
    PageControl1->setCurrentWidget(TabSheet1);

    Memo1 = new vcl::TMemo(this, {"Memo1"});
    Memo1->setGeometry(27, 259, 697, 73);
    Memo1->hide();

    RadioGroup1 = new vcl::TRadioGroup(this, "View", {"All data", "Use filter"});
    RadioGroup1->setGeometry(664, 20, 93, 65);
    RadioGroup1->SetItemIndex(0);

    GroupBox2 = new vcl::TGroupBox(this, "Filter (km)");
    GroupBox2->setGeometry(664, 93, 93, 73);
    GroupBox2->hide();
    Label2 = new vcl::TLabel(GroupBox2, "Minimum");
    Label2->setGeometry(8, 22, 41, 13);
    Label3 = new vcl::TLabel(GroupBox2, "Maximim");
    Label3->setGeometry(7, 46, 40, 13);
    Edit1 = new vcl::TEdit(GroupBox2, "5");
    Edit1->setGeometry(56, 18, 33, 21);
    Edit2 = new vcl::TEdit(GroupBox2, "10");
    Edit2->setGeometry(56, 42, 33, 21);
}

void TForm1::SetTabOrder()
{
    QWidget* const order[] = {TrackBar1,
                              ComboBox2,
                              Memo2,
                              ComboBox1,
                              Button1,
                              Button2,
                              TrackBar2,
                              TrackBar3,
                              Button3,
                              Button4,
                              Button5,
                              PageControl1,
                              Memo1,
                              RadioGroup1->Button(0),
                              RadioGroup1->Button(1),
                              Edit1,
                              Edit2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm1::WireEvents()
{
    ComboBox1->OnChange = [this](QObject* s) { IzborNaDen(s); };
    ComboBox2->OnChange = [this](QObject* s) { IzborNaCas(s); };
    for (vcl::TTrackBar* bar : {TrackBar1, TrackBar2, TrackBar3})
        bar->OnChange = [this](QObject* s) { TrackBar1Change(s); };
    Button1->OnClick = [this](QObject* s) { Button1Click(s); };
    Label2->OnClick = [this](QObject* s) { Button1Click(s); };
    Button2->OnClick = [this](QObject* s) { Button2Click(s); };
    Button3->OnClick = [this](QObject* s) { Button3Click(s); };
    Button4->OnClick = [this](QObject* s) { Button4Click(s); };
    Button5->OnClick = [this](QObject* s) { Button5Click(s); };
    RadioGroup1->OnClick = [this](QObject* s) { RadioGroup1Click(s); };
    for (vcl::TEdit* edit : {Edit1, Edit2}) {
        edit->OnChange = [this](QObject* s) { RadioGroup1Click(s); };
        edit->OnEnter = [this](QObject* s) { RadioGroup1Click(s); };
    }
}

void TForm1::paintEvent(QPaintEvent* event)
{
    vcl::TForm::paintEvent(event);
    // The form's own surface excludes the controls that are windows of their own (labels are
    // drawn on the form): a repaint of a button or of the drawing surface alone is no paint of
    // the form.
    QRegion own = event->region();
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && !qobject_cast<QLabel*>(child))
            own -= child->geometry();
    if (!own.isEmpty())
        vcl::Guarded([this] { FormPaint(this); });
}

namespace {

// Date key of a meteorological line: words 2, 3 and 1 joined, word 3 padded to two characters.
std::string meteoDateKey(const std::string& line)
{
    std::string day = ExtractWords(3, 1, line);
    if (day.size() == 1)
        day = "0" + day;
    return ExtractWords(2, 1, line) + day + ExtractWords(1, 1, line);
}

// Hour i (1 to 24) has data when character i of the flag word is "1"; missing characters of a
// short word mean no data.
bool hourHasData(const std::string& flags, std::size_t hour)
{
    return hour <= flags.size() && flags[hour - 1] == '1';
}

// Rows past the file's last line hold only their numbers. A pair count beyond what any
// experiment holds would make nothing but such rows: they stop at this many rows of the
// table. Rows with data are never cut.
constexpr std::int64_t kMaxRowsWithEmptyTail = 10000;

struct RecordPair {
    std::string A;
    std::string B;
};

void fillExperimentBlock(vcl::TextFile& file, const std::string& header)
{
    TForm1& form = *Form1;
    const std::string flags = ExtractWords(2, 1, header);
    for (std::size_t hour = 1; hour <= 24; ++hour)
        if (hourHasData(flags, hour))
            form.ComboBox2->AddItem(std::to_string(hour));

    // Every pair that the file holds is read, however many there are.
    const std::int64_t samplers = std::max(StrToIntOrZero(ExtractWords(3, 1, header)), 0);
    std::vector<RecordPair> pairs;
    while (static_cast<std::int64_t>(pairs.size()) < samplers && !file.Eof()) {
        RecordPair pair;
        pair.A = file.ReadLn();
        pair.B = file.ReadLn();
        pairs.push_back(std::move(pair));
    }
    const std::int64_t rows =
        std::min(samplers, std::max(static_cast<std::int64_t>(pairs.size()), kMaxRowsWithEmptyTail));

    vcl::TStringGrid& grid = *form.StringGrid1;
    grid.SetRowCount(static_cast<int>(rows + 1));
    grid.SetColWidth(0, 35);
    const int hours = form.ComboBox2->ItemCount();
    grid.SetColCount(hours + 3);
    grid.SetCells(1, 0, "Koord X");
    grid.SetCells(2, 0, "Koord Y");
    std::vector<std::size_t> hourOfColumn;
    for (int i = 0; i < hours; ++i) {
        grid.SetCells(3 + i, 0, "   " + form.ComboBox2->Item(i));
        hourOfColumn.push_back(static_cast<std::size_t>(StrToIntOrZero(form.ComboBox2->Item(i))));
    }
    for (int row = 1; row <= rows; ++row) {
        const RecordPair empty;
        const RecordPair& pair =
            row <= static_cast<int>(pairs.size()) ? pairs[static_cast<std::size_t>(row - 1)] : empty;
        grid.SetCells(0, row, std::to_string(row));
        grid.SetCells(1, row, ExtractWords(2, 1, pair.A));
        grid.SetCells(2, row, ExtractWords(3, 1, pair.A));
        // Hours 1 to 12 are words 5 to 16 of line A, hours 13 to 24 the words of line B, which
        // follows without a blank put between.
        const std::string hourly = ExtractWords(5, 12, pair.A) + pair.B;
        for (int i = 0; i < hours; ++i)
            grid.SetCells(3 + i, row, ExtractWords(hourOfColumn[i], 1, hourly));
    }
}

} // namespace

void ReadMeteoFile()
{
    vcl::TMemo& memo = *Form1->Memo1;
    memo.Lines.Clear();
    vcl::TextFile file("MISC_KIN.DAT");
    while (!file.Eof()) {
        const std::string line = file.ReadLn();
        memo.Lines.Add(meteoDateKey(line) + " " + line);
    }
}

void ReadExperimentData()
{
    vcl::TextFile file(DataFileName);
    while (!file.Eof()) {
        const std::string line = file.ReadLn();
        // Every line outside the chosen blocks is tested, so a sampler line whose first word
        // equals the key is taken as a header too.
        if (ExtractWords(1, 1, line) == SelectedDate)
            fillExperimentBlock(file, line);
    }
    Form1->StringGrid1->show();
    Form1->StringGrid2->show();
}
