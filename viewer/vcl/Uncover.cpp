#include "vcl/Uncover.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <QWidget>

#include <cstdlib>
#include <unordered_map>
#include <xcb/xcb.h>

namespace vcl {

namespace {

// While above zero, an uncovering repaints nothing.
int pauses = 0;

// Follows the native windows that hold the form (its own and its ancestors'): the server tells
// when one of them is covered (visibility events), and a later exposure of a covered window is
// an uncovering.
class UncoverWatch : public QObject, public QAbstractNativeEventFilter {
public:
    UncoverWatch(QWidget* form, xcb_connection_t* connection)
        : QObject(form), form_(form), connection_(connection)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & 0x7f) {
        case XCB_VISIBILITY_NOTIFY: {
            const auto* visibility = reinterpret_cast<const xcb_visibility_notify_event_t*>(event);
            const auto found = windows_.find(visibility->window);
            if (found == windows_.end())
                break;
            found->second.obscured = visibility->state != XCB_VISIBILITY_UNOBSCURED;
            if (found->second.obscured)
                found->second.covered = true;
            break;
        }
        case XCB_EXPOSE:
            exposed(*reinterpret_cast<const xcb_expose_event_t*>(event));
            break;
        default:
            break;
        }
        return false;
    }

private:
    struct Window {
        bool obscured = false; // now partly or wholly below another window
        bool covered = false;  // below another window since its last repaint
    };

    QWidget* holderOf(xcb_window_t window) const
    {
        for (QWidget* holder = form_; holder; holder = holder->parentWidget())
            if (holder->internalWinId() == window)
                return holder;
        return nullptr;
    }

    void exposed(const xcb_expose_event_t& expose)
    {
        QWidget* holder = holderOf(expose.window);
        if (!holder)
            return;
        const auto [found, first] = windows_.try_emplace(expose.window);
        // The first exposure is the window's first showing: from now on the server is to say
        // when it is covered.
        if (first) {
            const uint32_t mask = eventMaskOf(expose.window) | XCB_EVENT_MASK_VISIBILITY_CHANGE;
            xcb_change_window_attributes(connection_, expose.window, XCB_CW_EVENT_MASK, &mask);
            return;
        }
        Window& window = found->second;
        if (!window.covered)
            return;
        const qreal ratio = holder->devicePixelRatioF();
        const QRect inHolder(QPointF(expose.x / ratio, expose.y / ratio).toPoint(),
                             QSizeF(expose.width / ratio, expose.height / ratio).toSize());
        const QRect inForm = inHolder.translated(-form_->mapTo(holder, QPoint(0, 0))) & form_->rect();
        if (!inForm.isEmpty() && pauses == 0)
            form_->update(inForm);
        // The last rectangle of one exposure.
        if (expose.count == 0)
            window.covered = window.obscured;
    }

    uint32_t eventMaskOf(xcb_window_t window) const
    {
        uint32_t mask = 0;
        xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, window), nullptr);
        if (reply)
            mask = reply->your_event_mask;
        free(reply);
        return mask;
    }

    QWidget* form_;
    xcb_connection_t* connection_;
    std::unordered_map<xcb_window_t, Window> windows_;
};

} // namespace

void PauseRepaintWhenUncovered()
{
    ++pauses;
}

void ResumeRepaintWhenUncovered()
{
    QGuiApplication::sync();
    --pauses;
}

void RepaintWhenUncovered(QWidget* form)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection())
        new UncoverWatch(form, x11->connection());
}

} // namespace vcl
