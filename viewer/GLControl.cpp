#include "GLControl.h"

#include "vcl/ErrorBox.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QWidget>

#include <GL/gl.h>

namespace {

long framesShown = 0;

// Light 0: a directional light from (1, 1, 1), strong enough to saturate every lit face.
const GLfloat LightPosition[4] = {1.0f, 1.0f, 1.0f, 0.0f};
const GLfloat LightDiffuse[4] = {50.0f, 50.0f, 50.0f, 30.7f};
const GLfloat LightSpecular[4] = {1.0f, 1.0f, 0.0f, 1.0f};

void showSetupError(TGLControl* surface, const char* text)
{
    vcl::ShowStopBox(surface->Container(), "Error", text);
}

vcl::TShiftState shiftOf(const QMouseEvent* event)
{
    return vcl::ShiftStateOf(event->buttons(), event->modifiers());
}

int xOf(const QMouseEvent* event)
{
    return event->position().toPoint().x();
}
int yOf(const QMouseEvent* event)
{
    return event->position().toPoint().y();
}

} // namespace

std::function<void()> BeforeFrameShown;

void PrepareOpenGLFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setDepthBufferSize(16);
    // Frames are drawn synchronously inside mouse moves; waiting for the display would stall them.
    format.setSwapInterval(0);
    QSurfaceFormat::setDefaultFormat(format);
    // The form's other controls stay drawn in the form's own window, below the surface's.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
}

TGLControl::TGLControl(QWidget* form)
{
    setSurfaceType(QWindow::OpenGLSurface);
    setFormat(QSurfaceFormat::defaultFormat());
    container_ = QWidget::createWindowContainer(this, form);
}

void TGLControl::SetBounds(int left, int top, int width, int height)
{
    // The window gets its size before it is made, so that the context's viewport, fixed when
    // the context is first made current, covers the whole surface.
    resize(width, height);
    container_->setGeometry(left, top, width, height);
    container_->raise();
    container_->show();
}

TGLControl::~TGLControl()
{
    if (context_ && QOpenGLContext::currentContext() == context_)
        context_->doneCurrent();
    delete context_;
}

void TGLControl::CreateRenderingContext()
{
    context_ = new QOpenGLContext;
    context_->setFormat(format());
    context_->create();
    context_->makeCurrent(this);
    // A new context takes its viewport from the window's size when first made current, and the
    // window system may not have given the window its size yet: the surface's size is set here
    // once, as a window made at that size would give it.
    glViewport(0, 0, width() * devicePixelRatio(), height() * devicePixelRatio());
}

void TGLControl::mousePressEvent(QMouseEvent* event)
{
    if (OnMouseDown)
        vcl::Guarded([&] {
            OnMouseDown(this, vcl::MouseButtonOf(event->button()), shiftOf(event), xOf(event), yOf(event));
        });
}

void TGLControl::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove)
        vcl::Guarded([&] { OnMouseMove(this, shiftOf(event), xOf(event), yOf(event)); });
}

void TGLControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (OnMouseUp)
        vcl::Guarded([&] {
            OnMouseUp(this, vcl::MouseButtonOf(event->button()), shiftOf(event), xOf(event), yOf(event));
        });
}

void TGLControl::exposeEvent(QExposeEvent*)
{
    if (!isExposed())
        return;
    // Uncovered again: what lay over the surface is still in its window.
    if (exposedOnce_) {
        showLastFrame();
        return;
    }
    exposedOnce_ = true;
    // The surface must cover the controls in its square, also any that became native windows
    // of their own after it.
    if (QWindow* holder = container_->windowHandle())
        holder->raise();
    if (OnFirstExpose)
        OnFirstExpose();
}

void TGLControl::KeepFrame()
{
    frameSize_ = size() * devicePixelRatio();
    lastFrame_.resize(static_cast<std::size_t>(frameSize_.width()) *
                      static_cast<std::size_t>(frameSize_.height()) * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, frameSize_.width(), frameSize_.height(), GL_RGBA, GL_UNSIGNED_BYTE, lastFrame_.data());
}

void TGLControl::showLastFrame()
{
    if (lastFrame_.empty() || !context_ || QOpenGLContext::currentContext() != context_)
        return;
    // The copy goes into the back buffer unchanged by the frame's state (matrices, light, depth
    // test, colour), which is put back as it was: the next frame is drawn as if nothing had come
    // between.
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_DITHER);
    glRasterPos2i(-1, -1);
    glDrawPixels(frameSize_.width(), frameSize_.height(), GL_RGBA, GL_UNSIGNED_BYTE, lastFrame_.data());
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
    context_->swapBuffers(this);
}

void SetupPixelFormat(TGLControl* surface)
{
    // Choosing: can the platform make a context of the asked-for format at all?
    QOpenGLContext probe;
    probe.setFormat(surface->format());
    if (!probe.create()) {
        showSetupError(surface, "ChoosePixelFormat failed.");
        return;
    }
    // Setting: can such a context draw on this surface?
    if (!surface->handle() || !probe.makeCurrent(surface)) {
        showSetupError(surface, "SetPixelFormat failed.");
        return;
    }
    probe.doneCurrent();
}

void InitGL()
{
    glMatrixMode(GL_PROJECTION);
    glFrustum(-0.1, 0.1, -0.1, 0.1, 0.3, 25.0);
    glMatrixMode(GL_MODELVIEW);
    glShadeModel(GL_FLAT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glLightfv(GL_LIGHT0, GL_POSITION, LightPosition);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, LightDiffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, LightSpecular);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
}

void SwapCurrentBuffers()
{
    QOpenGLContext* current = QOpenGLContext::currentContext();
    if (!current || !current->surface())
        return;
    if (BeforeFrameShown)
        BeforeFrameShown();
    if (auto* surface = dynamic_cast<TGLControl*>(current->surface()))
        surface->KeepFrame();
    current->swapBuffers(current->surface());
    ++framesShown;
}

long FramesShown()
{
    return framesShown;
}
