#pragma once
// Hints of menu items: "short|long". While the user moves through the menu, the status bar
// shows the long part of the highlighted item's hint (the text after the first "|", or the
// whole hint without "|"); an item without a hint, and the closing of the menu, leave it empty.
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QStatusBar;

namespace vcl {

std::string GetLongHint(const std::string& hint);

void SetHint(QAction* item, const std::string& hint);
std::string Hint(const QAction* item);

// Shows the hints of the menu bar and its drop-downs in the status bar.
void ShowMenuHintsIn(QMenuBar* menuBar, QStatusBar* statusBar);

} // namespace vcl
