#include "vcl/Forms.h"

#include "vcl/QtText.h"
#include "vcl/Uncover.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

namespace vcl {

TForm::TForm(QWidget* parent) : QWidget(parent)
{
    setFont(DesignFont());
    RepaintWhenUncovered(this);
}

std::string TForm::Caption() const
{
    return FromQ(windowTitle());
}

void TForm::SetCaption(const std::string& caption)
{
    setWindowTitle(ToQ(caption));
}

QFont DesignFont()
{
    // The controls' sizes were made for the design face, whose letters are narrow: a common
    // sans face at the same pixel size cuts "Minimum" or "Experiment Date". Where the design
    // face is missing, a narrow face of about its widths takes its place.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

namespace {

// Keeps a sub-window maximised and open: close requests are refused and any other window
// state is turned back into the maximised one as soon as the event loop comes round.
class StayMaximised : public QObject {
public:
    explicit StayMaximised(QMdiSubWindow* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_)
            return false;
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::WindowStateChange && !window_->isMaximized())
            QTimer::singleShot(0, window_, [w = window_] { w->showMaximized(); });
        return false;
    }

private:
    QMdiSubWindow* window_;
};

} // namespace

QMdiSubWindow* AddFixedMaximisedChild(QMdiArea* clientArea, QWidget* form)
{
    const Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    QMdiSubWindow* window = clientArea->addSubWindow(form, flags);
    window->setSystemMenu(nullptr);
    window->installEventFilter(new StayMaximised(window));
    window->showMaximized();
    return window;
}

} // namespace vcl
