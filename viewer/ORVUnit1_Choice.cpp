// The user's choices of experiment date, hour and distance filter, turned into the sampler
// list, the meteorological column and a new frame.
#include "ORVStrngTTT.h"
#include "ORVUnit1.h"
#include "vcl/Numbers.h"

namespace {

// The source of the Kincaid tracer, km in the frame of the SF6 data file; the sampler list is
// relative to it.
constexpr long double kSourceX = 285.66L;
constexpr long double kSourceY = 4385.1L;

// Rows 0 to 11 of the meteorological table take words 6 to 17 of a stored line.
constexpr int kMeteoRows = 12;
constexpr int kFirstMeteoWord = 6;

// A coordinate relative to the source: the difference in extended precision, shown as a double.
std::string relativeKm(const std::string& cell, long double source)
{
    return vcl::FloatToStr(static_cast<double>(vcl::StrToFloat(cell) - source));
}

} // namespace

void TForm1::IzborNaDen(QObject* Sender)
{
    const int chosen = ComboBox1->ItemIndex();
    if (chosen < 0)
        return;
    ComboBox2->ClearItems();
    SelectedDate = ExperimentDates.at(static_cast<std::size_t>(chosen));
    ReadExperimentData();
    ComboBox2->SetItemIndex(0);
    IzborNaCas(Sender);
}

void TForm1::IzborNaCas(QObject*)
{
    Memo2->Lines.Clear();
    const int hour = ComboBox2->ItemIndex();
    // Every row's coordinates are converted, chosen hour or not, so that a coordinate that is no
    // number ends the handler at its row: also the designed empty rows before any date.
    // Without a chosen hour there is no value column: no sampler is listed and the
    // meteorological column keeps what it shows.
    for (int row = 1; row < StringGrid1->RowCount(); ++row) {
        const std::string x = relativeKm(StringGrid1->Cells(1, row), kSourceX);
        const std::string y = relativeKm(StringGrid1->Cells(2, row), kSourceY);
        if (hour >= 0)
            Memo2->Lines.Add(x + " " + y + " " + StringGrid1->Cells(hour + 3, row));
    }
    if (hour >= 0) {
        const std::string hourText = ComboBox2->Item(hour);
        for (const std::string& line : Memo1->Lines.All()) {
            if (ExtractWords(1, 1, line) != SelectedDate || ExtractWords(5, 1, line) != hourText)
                continue;
            for (int row = 0; row < kMeteoRows; ++row)
                StringGrid2->SetCells(1, row, ExtractWords(kFirstMeteoWord + row, 1, line));
        }
    }
    DrawScene();
}

void TForm1::RadioGroup1Click(QObject*)
{
    switch (RadioGroup1->ItemIndex()) {
    case 0:
        FilterMin = 0.0;
        FilterMax = 100.0;
        GroupBox2->hide();
        DrawScene();
        break;
    case 1:
        if (!Edit1->Text().empty())
            FilterMin = static_cast<double>(vcl::StrToFloat(Edit1->Text()));
        if (!Edit2->Text().empty())
            FilterMax = static_cast<double>(vcl::StrToFloat(Edit2->Text()));
        GroupBox2->show();
        DrawScene();
        break;
    default:
        break;
    }
}
