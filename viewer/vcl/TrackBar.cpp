#include "vcl/TrackBar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

namespace vcl {

TTrackBar::TTrackBar(QWidget* parent, Qt::Orientation orientation, int min, int max, int position,
                     int lineSize, int pageSize, int frequency)
    : QSlider(orientation, parent)
{
    setRange(min, max);
    setValue(position);
    setSingleStep(lineSize);
    setPageStep(pageSize);
    setTickInterval(frequency);
    setTickPosition(orientation == Qt::Horizontal ? QSlider::TicksBelow : QSlider::TicksRight);
    setFocusPolicy(Qt::StrongFocus);
    if (orientation == Qt::Vertical)
        setInvertedAppearance(true);
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        if (!inUserStep_)
            Changed();
    });
}

void TTrackBar::Changed()
{
    Fire(OnChange, this);
}

void TTrackBar::SetPosition(int position)
{
    setValue(position);
}

QAbstractSlider::SliderAction TTrackBar::ActionOfKey(int key)
{
    // Left and Up move towards Min, Right and Down towards Max, whatever the orientation.
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        return SliderSingleStepSub;
    case Qt::Key_Right:
    case Qt::Key_Down:
        return SliderSingleStepAdd;
    case Qt::Key_PageUp:
        return SliderPageStepSub;
    case Qt::Key_PageDown:
        return SliderPageStepAdd;
    case Qt::Key_Home:
        return SliderToMinimum;
    case Qt::Key_End:
        return SliderToMaximum;
    default:
        return SliderNoAction;
    }
}

void TTrackBar::keyPressEvent(QKeyEvent* event)
{
    const SliderAction action = ActionOfKey(event->key());
    if (action == SliderNoAction) {
        QSlider::keyPressEvent(event);
        return;
    }
    inUserStep_ = true;
    triggerAction(action);
    inUserStep_ = false;
    Changed();
}

void TTrackBar::keyReleaseEvent(QKeyEvent* event)
{
    if (ActionOfKey(event->key()) != SliderNoAction && !event->isAutoRepeat()) {
        Changed();
        return;
    }
    QSlider::keyReleaseEvent(event);
}

void TTrackBar::mousePressEvent(QMouseEvent* event)
{
    scrolling_ = false;
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect thumb = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const QPoint at = event->position().toPoint();
    scrolling_ = true;
    if (thumb.contains(at)) {
        // A drag: its moves fire through the value changes, its end at the release.
        QSlider::mousePressEvent(event);
        return;
    }
    // Anywhere else on the bar: one page step towards the pointer, fired even at a limit.
    const bool towardsMax = orientation() == Qt::Horizontal
        ? at.x() > thumb.center().x()
        : (at.y() > thumb.center().y()) == invertedAppearance();
    inUserStep_ = true;
    triggerAction(towardsMax ? SliderPageStepAdd : SliderPageStepSub);
    inUserStep_ = false;
    event->accept();
    Changed();
}

void TTrackBar::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    if (scrolling_ && event->button() == Qt::LeftButton) {
        scrolling_ = false;
        Changed();
    }
}

void TTrackBar::wheelEvent(QWheelEvent* event)
{
    bool actionSeen = false;
    const auto seen =
        connect(this, &QAbstractSlider::actionTriggered, this, [&actionSeen] { actionSeen = true; });
    inUserStep_ = true;
    QSlider::wheelEvent(event);
    inUserStep_ = false;
    disconnect(seen);
    if (actionSeen) {
        Changed();
        Changed();
    }
}

} // namespace vcl
