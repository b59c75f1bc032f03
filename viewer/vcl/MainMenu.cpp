#include "vcl/MainMenu.h"

#include <QActionEvent>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QStatusTipEvent>
#include <QTimer>
#include <QWindow>

namespace vcl {

TMainMenu::TMainMenu(QMainWindow* window) : QMenuBar(window)
{
    qApp->installEventFilter(this);
}

void TMainMenu::actionEvent(QActionEvent* event)
{
    QMenuBar::actionEvent(event);
    QMenu* menu = event->type() == QEvent::ActionAdded ? event->action()->menu() : nullptr;
    if (!menu)
        return;
    connect(menu, &QMenu::aboutToShow, this, [this] { looping_ = true; });
    // What follows the closing (another drop-down, an entry without items, or nothing) is
    // known once the bar has handled it.
    connect(menu, &QMenu::aboutToHide, this, [this] { QTimer::singleShot(0, this, [this] { Settle(); }); });
}

bool TMainMenu::event(QEvent* event)
{
    // The menus send their hints here as the highlight moves, also on a mere hover of the bar,
    // and before a drop-down has opened: the hint is worked out from what is highlighted now,
    // and again once the bar has finished its step.
    if (event->type() == QEvent::StatusTip) {
        ShowHint();
        QTimer::singleShot(0, this, [this] { ShowHint(); });
        return true;
    }
    return QMenuBar::event(event);
}

QMenu* TMainMenu::OpenMenu() const
{
    for (QAction* entry : actions())
        if (entry->menu() && entry->menu()->isVisible())
            return entry->menu();
    return nullptr;
}

bool TMainMenu::AtEntryWithoutItems() const
{
    return looping_ && activeAction() && !activeAction()->menu() && !OpenMenu();
}

void TMainMenu::ShowHint()
{
    QString hint;
    if (QMenu* open = OpenMenu()) {
        hint = open->activeAction() ? open->activeAction()->statusTip() : open->menuAction()->statusTip();
    } else if (activeAction() && (looping_ || hasFocus())) {
        hint = activeAction()->statusTip();
    }
    QStatusTipEvent tip(hint);
    QCoreApplication::sendEvent(window(), &tip);
}

void TMainMenu::Settle()
{
    if (!activeAction() || (!OpenMenu() && activeAction()->menu()))
        looping_ = false;
    ShowHint();
}

void TMainMenu::EndLoop()
{
    looping_ = false;
    setActiveAction(nullptr);
    ShowHint();
}

// The form's controls, and the drawing surface, which is a window of its own.
bool TMainMenu::TakesInput(QObject* watched) const
{
    if (watched == this)
        return false;
    if (watched->isWidgetType())
        return true;
    auto* window = qobject_cast<QWindow*>(watched);
    return window && !QWidget::find(window->winId());
}

bool TMainMenu::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (swallowRelease_ && type == QEvent::MouseButtonRelease && TakesInput(watched)) {
        swallowRelease_ = false;
        return true;
    }
    if (!AtEntryWithoutItems())
        return false;
    // The pointer leaving the bar does not end the loop either.
    if (watched == this)
        return type == QEvent::Leave;
    if (!TakesInput(watched))
        return false;
    switch (type) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            QAction* chosen = activeAction();
            EndLoop();
            chosen->trigger();
            return true;
        }
        QCoreApplication::sendEvent(this, event);
        if (!activeAction())
            EndLoop();
        else
            ShowHint();
        return true;
    }
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        EndLoop();
        swallowRelease_ = true;
        return true;
    default:
        return false;
    }
}

} // namespace vcl
