#include "vcl/Hints.h"

#include "vcl/QtText.h"

#include <QAction>

namespace vcl {

std::string GetLongHint(const std::string& hint)
{
    const auto bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

void SetHint(QAction* item, const std::string& hint)
{
    item->setStatusTip(ToQ(GetLongHint(hint)));
}

} // namespace vcl
