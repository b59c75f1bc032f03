// Creation of the viewer form: starting values, the meteorological table's labels and the
// meteorological data. (The drawing surface is added here later.)
#include "ORVUnit1.h"

void TForm1::FormCreate(QObject*)
{
    BarScale = 0.01;
    FilterMin = 0.0;
    FilterMax = 100.0;
    StringGrid2->SetColWidth(0, 128);
    const char* labels[] = {"Mixing Height ZI", "Predicted MH ZIPRE", "Temp. difference", "Temperature T10",
                            "Wind Speed W10",   "Wind Speed W100",    "Wind Direction WD100", "SigmaV",
                            "SigmaW",           "U*",                 "W*",               "Monin Obukhov L"};
    for (int row = 0; row < 12; ++row) StringGrid2->SetCells(0, row, labels[row]);
    ReadMeteoFile();
}
