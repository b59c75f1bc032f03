// View controls (filled in with the rotation and preset views).
#include "ORVUnit1.h"

void TForm1::GLMouseDown(QObject*, vcl::TMouseButton, vcl::TShiftState, int, int) {}
void TForm1::GLMouseMove(QObject*, vcl::TShiftState, int, int) {}
void TForm1::GLMouseUp(QObject*, vcl::TMouseButton, vcl::TShiftState, int, int) {}
void TForm1::Button2Click(QObject*) {}
void TForm1::Button3Click(QObject*) {}
void TForm1::Button4Click(QObject*) {}
void TForm1::Button5Click(QObject*) {}
