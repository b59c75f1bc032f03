#pragma once
// Repainting what another window uncovers. An X server without a compositor keeps no picture
// of a covered window, and the toolkit shows the uncovered part again from its own copy
// without asking any widget to paint. The desktop the viewer was made for asks the window to
// repaint what it uncovers, and the viewer's paint handler relies on that.
class QWidget;

namespace vcl {

// From now on, the part of `form` that the window system shows again after another window had
// lain over it is repainted through the form's paint event. Exposures that come from anything
// else (showing, resizing) are left to the toolkit as before. Does nothing off X11.
void RepaintWhenUncovered(QWidget* form);

// While one of the program's own error boxes shows, and for what it uncovers as it closes,
// uncovering repaints nothing: a frame that fails would otherwise fail again behind the box,
// show its box a second time for one failed action, and bring it back at every OK.
// From PauseRepaintWhenUncovered on, uncovering repaints nothing, until ResumeRepaintWhenUncovered
// has handled what the window system still had to report.
void PauseRepaintWhenUncovered();
void ResumeRepaintWhenUncovered();

} // namespace vcl
