#include "vcl/Hints.h"

#include "vcl/QtText.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace vcl {

namespace {
constexpr const char* kHintProperty = "vclHint";
}

std::string GetLongHint(const std::string& hint)
{
    const auto bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

void SetHint(QAction* item, const std::string& hint) { item->setProperty(kHintProperty, ToQ(hint)); }

std::string Hint(const QAction* item) { return FromQ(item->property(kHintProperty).toString()); }

void ShowMenuHintsIn(QMenuBar* menuBar, QStatusBar* statusBar)
{
    auto show = [statusBar](QAction* item) { statusBar->showMessage(ToQ(GetLongHint(item ? Hint(item) : ""))); };
    QObject::connect(menuBar, &QMenuBar::hovered, statusBar, show);
    for (QAction* entry : menuBar->actions()) {
        if (QMenu* dropDown = entry->menu()) {
            QObject::connect(dropDown, &QMenu::hovered, statusBar, show);
            QObject::connect(dropDown, &QMenu::aboutToHide, statusBar, [statusBar] { statusBar->clearMessage(); });
        }
    }
}

} // namespace vcl
