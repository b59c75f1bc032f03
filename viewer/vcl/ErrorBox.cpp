#include "vcl/ErrorBox.h"

#include "vcl/Application.h"
#include "vcl/QtText.h"
#include "vcl/Uncover.h"

#include <QMessageBox>

namespace vcl {

std::string ErrorBoxText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

void ShowErrorBox(const std::string& message)
{
    QMessageBox box(QMessageBox::Critical, ToQ(ApplicationTitle()), ToQ(ErrorBoxText(message)), QMessageBox::Ok);
    bool closing = false;
    QObject::connect(&box, &QDialog::finished, [&closing] {
        closing = true;
        PauseRepaintWhenUncovered();
    });
    box.exec();
    if (closing) ResumeRepaintWhenUncovered();
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
