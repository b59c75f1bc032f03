#include "vcl/Application.h"

#include "vcl/ErrorBox.h"
#include "vcl/QtText.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <cctype>
#include <cfenv>
#include <xcb/xcb.h>

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

namespace {

// Qt names a window's icon for newer desktops only (_NET_WM_ICON_NAME); older task bars and
// window lists read WM_ICON_NAME, which is set as soon as the window exists.
class IconNameForOlderDesktops : public QObject {
public:
    explicit IconNameForOlderDesktops(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() != QEvent::WinIdChange || !window->internalWinId())
            return false;
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11 || !x11->connection())
            return false;
        const std::string name = ApplicationTitle();
        xcb_change_property(x11->connection(), XCB_PROP_MODE_REPLACE,
                            static_cast<xcb_window_t>(window->internalWinId()), XCB_ATOM_WM_ICON_NAME,
                            XCB_ATOM_STRING, 8, static_cast<uint32_t>(name.size()), name.data());
        return false;
    }
};

} // namespace

void NameForDesktop(QWidget* window)
{
    window->setWindowIconText(ToQ(ApplicationTitle()));
    new IconNameForOlderDesktops(window);
}

void MaskFloatingPointExceptions()
{
    fedisableexcept(FE_ALL_EXCEPT);
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    MaskFloatingPointExceptions();
    // The window system takes the class of every window from the application's name.
    setApplicationName(ToQ(ApplicationTitle()));
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
