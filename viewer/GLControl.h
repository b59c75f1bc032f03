#pragma once
// The viewer's OpenGL side: the drawing surface `TGLControl`, the choice of its pixel format,
// the fixed GL state of every frame, and the drawing of one frame of the scene.
#include "vcl/Events.h"

#include <QWindow>

#include <functional>
#include <string>
#include <vector>

class QOpenGLContext;

// Asks for the pixel format of the drawing surface: legacy (compatibility) OpenGL, double
// buffered RGBA with a depth buffer. Must run before the application object is made.
void PrepareOpenGLFormat();

// The drawing surface: a native child window of the form with an OpenGL surface, held in a
// window container so that it sits among the form's controls and covers those below it.
class TGLControl : public QWindow {
public:
    // Makes the surface and its container on `form`; the form owns both from then on.
    explicit TGLControl(QWidget* form);
    ~TGLControl() override;

    // Places the surface on the form, in pixels of the form's client area, above the controls
    // made before it.
    void SetBounds(int left, int top, int width, int height);

    // The widget that holds the surface among the form's controls.
    QWidget* Container() const { return container_; }

    // Mouse events of the surface, with the pointer in surface pixels from the top-left corner.
    // A handler that raises ends its action in the error box.
    vcl::TMouseEvent OnMouseDown;
    vcl::TMouseMoveEvent OnMouseMove;
    vcl::TMouseEvent OnMouseUp;
    // Runs once, when the surface first shows on the screen.
    std::function<void()> OnFirstExpose;

    // Makes the rendering context of the surface and leaves it current on this thread for the
    // rest of the run; frames find it as the current context.
    void CreateRenderingContext();

    // True once the surface has been shown on the screen.
    bool WasExposed() const { return exposedOnce_; }

    // Copies the finished frame in the back buffer of the current context, about to be shown.
    void KeepFrame();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;

private:
    // Puts the last frame shown on the screen again, as it was: no frame is drawn or counted.
    void showLastFrame();

    QWidget* container_;
    QOpenGLContext* context_ = nullptr;
    bool exposedOnce_ = false;
    // The picture the surface shows, bottom row first: an X server without a compositor keeps
    // none of a covered window, so the surface keeps its own.
    QSize frameSize_;
    std::vector<unsigned char> lastFrame_;
};

// Checks that the surface can get the asked-for pixel format; reports "ChoosePixelFormat
// failed." or "SetPixelFormat failed." in a box captioned "Error" and never raises.
void SetupPixelFormat(TGLControl* surface);

// The fixed GL state of every frame: projection, flat shading, depth test, one light.
void InitGL();

// Shows the finished back buffer of the current context, if there is one.
void SwapCurrentBuffers();

// Runs with each finished frame just before it is shown, while it is still in the back buffer:
// what the screen shows next, whatever windows lie above the surface. Empty unless a test
// looks at the frames.
extern std::function<void()> BeforeFrameShown;

// Number of frames shown (buffer swaps) since start.
long FramesShown();

// What one frame is drawn from, besides the sampler list.
struct SceneView {
    int PanX = 0;           // TrackBar1, half GL units
    int PanY = 0;           // TrackBar2, half GL units
    int Distance = 20;      // TrackBar3, half GL units
    float TurnY = 0;        // RotY + DragRotY, degrees
    float TurnX = 0;        // RotX + DragRotX, degrees
    double BarScale = 0.01; // GL units of bar height per unit of value
    double FilterMin = 0;   // km, exclusive
    double FilterMax = 100; // km, exclusive
};

// Draws one complete frame of the map and of the samplers' bars into the back buffer of the
// current context and shows it. Each sampler line holds x and y in km from the source and the
// value. A word that is not a number raises vcl::EConvertError before the swap, so the screen
// keeps the previous frame.
void DrawSceneFrame(const SceneView& view, const std::vector<std::string>& samplerLines);
