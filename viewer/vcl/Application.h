#pragma once
// The application object: its title, the masking of floating-point exceptions and a message
// loop that turns an exception escaping an event into the error box instead of ending the run.
#include <QApplication>
#include <string>

namespace vcl {

// The title that a program gets when it sets none: its file name up to the first ".", with
// every letter after the first in lower case ("/opt/kit/ORV" gives "Orv").
std::string TitleFromProgramFile(const std::string& path);

// The title of the running program (the caption of the error box).
std::string ApplicationTitle();

// Gives the window the title as the name that task bars and window lists show for it (on X11
// its icon name; the window class is the title for every window of the program), whatever
// its caption.
void NameForDesktop(QWidget* window);

// Division by zero, overflow and invalid operations give infinities or NaN for the whole run.
void MaskFloatingPointExceptions();

// Its windows are named by the title on the desktop.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace vcl
