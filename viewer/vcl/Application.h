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

// Division by zero, overflow and invalid operations give infinities or NaN for the whole run.
void MaskFloatingPointExceptions();

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace vcl
