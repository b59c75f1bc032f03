#include "vcl/Application.h"

#include "vcl/ErrorBox.h"

#include <cctype>
#include <cfenv>

namespace vcl {

std::string TitleFromProgramFile(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    std::string title = slash == std::string::npos ? path : path.substr(slash + 1);
    title = title.substr(0, title.find('.'));
    for (std::size_t i = 1; i < title.size(); ++i)
        title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
    return title;
}

std::string ApplicationTitle()
{
    const QStringList args = QCoreApplication::arguments();
    return TitleFromProgramFile(args.isEmpty() ? std::string() : args.front().toStdString());
}

void MaskFloatingPointExceptions()
{
    fedisableexcept(FE_ALL_EXCEPT);
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    MaskFloatingPointExceptions();
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException();
        return true;
    }
}

} // namespace vcl
