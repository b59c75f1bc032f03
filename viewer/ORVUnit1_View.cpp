// The view controls: rotation by dragging on the drawing surface, the two preset views and the
// bar scale. Pan and zoom act through the track bars, which DrawScene reads.
#include "ORVUnit1.h"

#include <cstdio>

namespace {

std::string pointerText(const char* event, int x, int y)
{
    char text[48];
    std::snprintf(text, sizeof text, "%s: %d, %d", event, x, y);
    return text;
}

// One press of "Bars Up" or "Bars Down" changes the bar height per unit of value by this much.
constexpr double kBarScaleStep = 0.001;

} // namespace

void TForm1::GLMouseDown(QObject*, vcl::TMouseButton, vcl::TShiftState, int X, int Y)
{
    Label1->SetCaption(pointerText("down", X, Y));
    DownX = X;
    DownY = Y;
}

void TForm1::GLMouseMove(QObject*, vcl::TShiftState Shift, int X, int Y)
{
    if (!(Shift & vcl::ssLeft))
        return;
    Label1->SetCaption(pointerText("move", X, Y));
    DragRotY = (X - DownX) / 2.0f;
    DragRotX = (Y - DownY) / 2.0f;
    DrawScene();
}

void TForm1::GLMouseUp(QObject*, vcl::TMouseButton, vcl::TShiftState, int X, int Y)
{
    Label1->SetCaption(pointerText("up", X, Y));
    RotY = RotY + DragRotY;
    DragRotY = 0;
    RotX = RotX + DragRotX;
    DragRotX = 0;
}

// Each track bar set to a new position draws a frame at once, with the rotation as it was.
void TForm1::Button2Click(QObject*)
{
    TrackBar1->SetPosition(0);
    TrackBar2->SetPosition(0);
    TrackBar3->SetPosition(15);
    RotY = 0;
    RotX = -40;
    DrawScene();
}

void TForm1::Button5Click(QObject*)
{
    TrackBar1->SetPosition(0);
    TrackBar2->SetPosition(0);
    TrackBar3->SetPosition(20);
    RotY = 0;
    RotX = 0;
    DrawScene();
}

void TForm1::Button3Click(QObject*)
{
    BarScale = BarScale + kBarScaleStep;
    DrawScene();
}

void TForm1::Button4Click(QObject*)
{
    BarScale = BarScale - kBarScaleStep;
    if (BarScale < 0)
        BarScale = kBarScaleStep;
    DrawScene();
}
