#pragma once
// Event properties of the controls: a control holds a handler in a std::function (empty when
// nothing is wired) and fires it through Fire(), which ends the action in the error box when
// the handler raises.
#include <functional>
#include <QtCore/qnamespace.h>

class QObject;

namespace vcl {

using TNotifyEvent = std::function<void(QObject* Sender)>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Mouse buttons and modifier keys held during a mouse event, as bit flags.
using TShiftState = unsigned;
enum TShiftFlag : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
};

using TMouseEvent =
    std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;

TShiftState ShiftStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
TMouseButton MouseButtonOf(Qt::MouseButton button);

// Runs the handler with the sender; an exception ends the handler and shows the error box.
void Fire(const TNotifyEvent& handler, QObject* sender);

} // namespace vcl
