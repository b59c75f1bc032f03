#pragma once
// The program's message box: a stop icon, an OK button and a text shown as written, never read
// as markup. The whole text is shown: its lines are broken to fit half the screen's width, long
// words included, and a text taller than half the screen scrolls inside the box, so that the box
// lies wholly on the screen. Ctrl+C copies caption, text and button as desktop message boxes do.
#include <QMessageBox>
#include <QString>

namespace vcl {

// The lines of `text` as a label in `font` shows them within `width` pixels: broken between
// words where a line allows, inside a word where a word alone is wider. Joined with line ends,
// each break keeping the blanks before it, so that leaving out the added line ends gives back
// the text.
QString WrappedText(const QString& text, const QFont& font, int width);

class StopBox : public QMessageBox {
public:
    StopBox(QWidget* parent, const QString& title, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace vcl
