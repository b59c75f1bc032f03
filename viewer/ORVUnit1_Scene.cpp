// The viewer's only drawing: one complete frame of the map around the source and of the
// samplers' bars, built from scratch every time.
#include "GLControl.h"
#include "ORVStrngTTT.h"
#include "ORVUnit1.h"
#include "vcl/Numbers.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <memory>

namespace {

// One GL unit stands for this many km of ground.
constexpr double kKmPerUnit = 7.0;

// Radii of the distance rings around the source, km.
constexpr double kRingRadii[] = {0.5, 1, 2, 3, 4, 5, 7, 10, 15, 20, 30, 40, 50};

struct QuadricDeleter {
    void operator()(GLUquadric* quadric) const { gluDeleteQuadric(quadric); }
};

void drawAxesAndFrame()
{
    const double f = 20 / kKmPerUnit; // the square of +-20 km around the source
    glBegin(GL_LINES);
    glVertex3d(-10, 0, 0);
    glVertex3d(10, 0, 0);
    glVertex3d(0, -10, 0);
    glVertex3d(0, 10, 0);
    glVertex3d(-f, -f, 0);
    glVertex3d(-f, f, 0);
    glVertex3d(-f, f, 0);
    glVertex3d(f, f, 0);
    glVertex3d(f, f, 0);
    glVertex3d(f, -f, 0);
    glVertex3d(f, -f, 0);
    glVertex3d(-f, -f, 0);
    glEnd();
}

void drawRingsAndStack(GLUquadric* quadric)
{
    for (double r : kRingRadii)
        gluDisk(quadric, (r - 0.05) / kKmPerUnit, (r + 0.05) / kKmPerUnit, 48, 2);
    gluCylinder(quadric, 0.015 / kKmPerUnit, 0.01 / kKmPerUnit, 0.187 / kKmPerUnit, 12, 1);
}

double wordAsNumber(const std::string& line, int index)
{
    return static_cast<double>(vcl::StrToFloat(ExtractWords(index, 1, line)));
}

// Moves from sampler to sampler without saving the matrix, so each move is relative to the
// last sampler drawn; a sampler the filter drops leaves the position where it was.
void drawBars(GLUquadric* quadric, const SceneView& view, const std::vector<std::string>& lines)
{
    // A one-line list is the memo's own text or a lone sampler: nothing worth drawing.
    if (lines.size() < 2)
        return;
    double prevX = 0;
    double prevY = 0;
    for (const std::string& line : lines) {
        const double x = wordAsNumber(line, 1) / kKmPerUnit;
        const double y = wordAsNumber(line, 2) / kKmPerUnit;
        const double d = std::sqrt(x * x + y * y);
        const double value = wordAsNumber(line, 3);
        if (!(view.FilterMin / kKmPerUnit < d && d < view.FilterMax / kKmPerUnit))
            continue;
        glTranslatef(x - prevX, y - prevY, 0);
        if (value >= 0) {
            const double height = value * view.BarScale;
            gluCylinder(quadric, 0.2 / kKmPerUnit, 0.2 / kKmPerUnit, height, 4, 1);
            glTranslatef(0, 0, height);
            gluDisk(quadric, 0, 0.2 / kKmPerUnit, 4, 2);
            glTranslatef(0, 0, -height);
        }
        prevX = x;
        prevY = y;
    }
}

} // namespace

void DrawSceneFrame(const SceneView& view, const std::vector<std::string>& samplerLines)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(-view.PanX / 2.0, -view.PanY / 2.0, -view.Distance / 2.0);
    glRotatef(view.TurnY, 0, 1, 0);
    glRotatef(view.TurnX, 1, 0, 0);

    std::unique_ptr<GLUquadric, QuadricDeleter> quadric(gluNewQuadric());
    drawAxesAndFrame();
    drawRingsAndStack(quadric.get());
    drawBars(quadric.get(), view, samplerLines);

    // Set after the drawing, so it colours the next frame: the first frame shows in OpenGL's
    // initial white, every later one in green.
    glColor3d(0.0, 180.0, 0.0);
    quadric.reset();
    SwapCurrentBuffers();
}

void TForm1::DrawScene()
{
    SceneView view;
    view.PanX = TrackBar1->Position();
    view.PanY = TrackBar2->Position();
    view.Distance = TrackBar3->Position();
    view.TurnY = RotY + DragRotY;
    view.TurnX = RotX + DragRotX;
    view.BarScale = BarScale;
    view.FilterMin = FilterMin;
    view.FilterMax = FilterMax;
    DrawSceneFrame(view, Memo2->Lines.All());
}

void TForm1::FormPaint(QObject*)
{
    // Until the surface is on the screen a frame would be lost, and with it the first frame's
    // white; the surface's first exposure paints instead.
    if (GLPanel && !GLPanel->WasExposed())
        return;
    DrawScene();
}

void TForm1::Button1Click(QObject*)
{
    DrawScene();
}

void TForm1::TrackBar1Change(QObject*)
{
    DrawScene();
}
