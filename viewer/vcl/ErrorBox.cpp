#include "vcl/ErrorBox.h"

#include "vcl/Application.h"
#include "vcl/QtText.h"
#include "vcl/StopBox.h"
#include "vcl/Uncover.h"

namespace vcl {

std::string ErrorBoxText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

void ShowStopBox(QWidget* parent, const std::string& title, const std::string& text)
{
    StopBox box(parent, ToQ(title), ToQ(text));
    box.exec();
}

void ShowErrorBox(const std::string& message)
{
    // The failed action may have uncovered a part of the form (the list of a drop-down box
    // that closed), and the box uncovers one as it closes: repainting either would run the
    // failing frame again and show its box a second time.
    PauseRepaintWhenUncovered();
    ShowStopBox(nullptr, ApplicationTitle(), ErrorBoxText(message));
    ResumeRepaintWhenUncovered();
}

void ShowCurrentException()
{
    try {
        throw;
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
    } catch (...) {
        ShowErrorBox("Unknown exception");
    }
}

} // namespace vcl
