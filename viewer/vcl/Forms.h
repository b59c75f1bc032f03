#pragma once
// Forms: a form is a widget with a caption and controls placed at design pixels. The viewer is
// an MDI child that stays maximised: it has no system menu, no close, minimise or restore
// button, and ignores requests to close or to leave the maximised state. A form repaints what
// another window uncovers of it (vcl/Uncover.h).
#include <QWidget>
#include <string>

class QMdiArea;
class QMdiSubWindow;

namespace vcl {

class TForm : public QWidget {
public:
    explicit TForm(QWidget* parent = nullptr);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
};

// The font of the design, "MS Sans Serif" at 11 pixels; without it, "Liberation Sans Narrow"
// (Debian's fonts-liberation), then "DejaVu Sans Condensed", at the same size.
QFont DesignFont();

// Puts the form into the frame's client area as a maximised child that cannot be closed,
// minimised or restored.
QMdiSubWindow* AddFixedMaximisedChild(QMdiArea* clientArea, QWidget* form);

} // namespace vcl
