// Creation of the viewer form: starting values, the meteorological table's labels and data,
// then the OpenGL drawing surface with its context, fixed GL state and mouse handlers.
#include "GLControl.h"
#include "ORVUnit1.h"

#include "vcl/ErrorBox.h"

void TForm1::FormCreate(QObject*)
{
    BarScale = 0.01;
    FilterMin = 0.0;
    FilterMax = 100.0;
    StringGrid2->SetColWidth(0, 128);
    const char* labels[] = {"Mixing Height ZI",
                            "Predicted MH ZIPRE",
                            "Temp. difference",
                            "Temperature T10",
                            "Wind Speed W10",
                            "Wind Speed W100",
                            "Wind Direction WD100",
                            "SigmaV",
                            "SigmaW",
                            "U*",
                            "W*",
                            "Monin Obukhov L"};
    for (int row = 0; row < 12; ++row)
        StringGrid2->SetCells(0, row, labels[row]);
    ReadMeteoFile();

    // Made last, the surface lies above every control in its square.
    GLPanel = new TGLControl(this);
    GLPanel->SetBounds(0, 0, 500, 500);
    GLPanel->create();
    SetupPixelFormat(GLPanel);
    GLPanel->CreateRenderingContext();
    InitGL();

    GLPanel->OnMouseDown = [this](QObject* s, vcl::TMouseButton b, vcl::TShiftState sh, int x, int y) {
        GLMouseDown(s, b, sh, x, y);
    };
    GLPanel->OnMouseMove = [this](QObject* s, vcl::TShiftState sh, int x, int y) {
        GLMouseMove(s, sh, x, y);
    };
    GLPanel->OnMouseUp = [this](QObject* s, vcl::TMouseButton b, vcl::TShiftState sh, int x, int y) {
        GLMouseUp(s, b, sh, x, y);
    };
    GLPanel->OnFirstExpose = [this] { vcl::Guarded([this] { FormPaint(this); }); };
}
