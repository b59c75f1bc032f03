#pragma once
// Hints of menu items: "short|long". While the user moves through the menu, the main window's
// status bar shows the long part of the highlighted item's hint (the text after the first "|",
// or the whole hint without "|"); an item without a hint, and the closing of the menu, leave it
// empty. An item's status tip holds its long hint; the menu bar (vcl/MainMenu.h) shows it.
#include <string>

class QAction;

namespace vcl {

std::string GetLongHint(const std::string& hint);

void SetHint(QAction* item, const std::string& hint);

} // namespace vcl
