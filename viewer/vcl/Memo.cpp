#include "vcl/Memo.h"

#include "vcl/QtText.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace vcl {

// A line of the data files may hold a lone LF, which is no line break there: inside the widget
// it stands as a line separator within its line.
std::vector<std::string> TStrings::All() const
{
    // The raw text keeps every character (the plain text would turn no-break spaces into blanks)
    // and separates the lines with paragraph separators.
    const QString text = owner_.document()->toRawText();
    QStringList lines = text.split(QChar::ParagraphSeparator);
    if (lines.back().isEmpty())
        lines.removeLast();
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(lines.size()));
    for (QString& line : lines)
        result.push_back(FromQ(line.replace(QChar::LineSeparator, QLatin1Char('\n'))));
    return result;
}

void TStrings::Add(const std::string& line)
{
    // An empty text, or one that ends with a line break, already has the empty line that the
    // new one takes.
    const QString shown = ToQ(line).replace(QLatin1Char('\n'), QChar::LineSeparator);
    if (owner_.document()->lastBlock().text().isEmpty()) {
        QTextCursor end(owner_.document());
        end.movePosition(QTextCursor::End);
        end.insertText(shown);
    } else {
        owner_.appendPlainText(shown);
    }
}

void TStrings::Clear()
{
    owner_.clear();
}

TMemo::TMemo(QWidget* parent, const std::vector<std::string>& lines) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    for (const std::string& line : lines)
        Lines.Add(line);
}

} // namespace vcl
