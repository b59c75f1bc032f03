#include "vcl/Memo.h"

#include "vcl/QtText.h"

namespace vcl {

void TStrings::Add(const std::string& line)
{
    lines_.push_back(line);
    owner_.Appended(line);
}

void TStrings::Clear()
{
    lines_.clear();
    owner_.Cleared();
}

TMemo::TMemo(QWidget* parent, const std::vector<std::string>& lines) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    for (const std::string& line : lines) Lines.Add(line);
}

void TMemo::Appended(const std::string& line) { appendPlainText(ToQ(line)); }

void TMemo::Cleared() { clear(); }

} // namespace vcl
