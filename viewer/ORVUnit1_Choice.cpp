// Date, hour and filter choice (filled in with the data tables).
#include "ORVUnit1.h"

void TForm1::IzborNaDen(QObject*) {}
void TForm1::IzborNaCas(QObject*) {}
void TForm1::RadioGroup1Click(QObject*) {}
