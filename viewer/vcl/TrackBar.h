#pragma once
// A track bar holding an integer Position between Min and Max (a vertical bar has Min at the
// top). OnChange fires at every scroll notification of the user: each key or click step, each
// step of a drag, and the end of the scroll (key release, mouse release), also when the
// position did not move; and when the program sets a Position that differs from the current one
// after clamping, never when it sets the current one again.
#include "vcl/Events.h"

#include <QSlider>

namespace vcl {

class TTrackBar : public QSlider {
public:
    TTrackBar(QWidget* parent, Qt::Orientation orientation, int min, int max, int position, int lineSize,
              int pageSize, int frequency);

    int Position() const { return value(); }
    void SetPosition(int position);
    int Min() const { return minimum(); }
    int Max() const { return maximum(); }

    TNotifyEvent OnChange;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    static SliderAction ActionOfKey(int key);
    void Changed();

    bool inUserStep_ = false; // a step of ours is running: its value change is not fired separately
    bool scrolling_ = false;  // a mouse scroll runs until the button is released
};

} // namespace vcl
