#pragma once
// The application's error box: an exception that leaves an event handler ends that action, and
// its message is shown modally with a stop icon and an OK button, captioned with the title.
#include <exception>
#include <string>
#include <utility>

class QWidget;

namespace vcl {

// The text of the box: the message, with a full stop added unless its last character already
// sorts at or before "." (so "...", "x." and "x!" stay as they are).
std::string ErrorBoxText(const std::string& message);

// Shows the box for the exception being handled; call it inside a catch block.
void ShowCurrentException();

// Shows the box with this message.
void ShowErrorBox(const std::string& message);

// Shows a modal box with a stop icon and an OK button (a StopBox): its whole text as written,
// never read as markup, on the screen. Every message box of the program is one of these.
void ShowStopBox(QWidget* parent, const std::string& title, const std::string& text);

// Runs an action the way the message loop runs a handler: what it raises ends it and is shown.
template <class Action>
void Guarded(Action&& action)
{
    try {
        std::forward<Action>(action)();
    } catch (...) {
        ShowCurrentException();
    }
}

} // namespace vcl
