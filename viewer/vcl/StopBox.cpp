#include "vcl/StopBox.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextLayout>

namespace vcl {

QString WrappedText(const QString& text, const QFont& font, int width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        QStringList broken;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            broken.append(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
        lines.append(broken.isEmpty() ? QString() : broken.join(u'\n'));
    }
    return lines.join(u'\n');
}

StopBox::StopBox(QWidget* parent, const QString& title, const QString& text)
    : QMessageBox(QMessageBox::Critical, title, text, QMessageBox::Ok, parent)
{
    // A message quotes what the user typed or a file held, which may look like markup.
    setTextFormat(Qt::PlainText);
    // The box's own label breaks lines only between words, so a long word ran out of the box
    // and was cut. A label of lines broken to fit takes its place in the layout; the own label
    // keeps the text, hidden, for what asks the box for it.
    auto* own = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!own || !grid) // a toolkit that lays its box out otherwise keeps its own label
        return;
    int row = 0, col = 0, rowSpan = 0, colSpan = 0;
    grid->getItemPosition(grid->indexOf(own), &row, &col, &rowSpan, &colSpan);
    const QRect screenArea = screen()->availableGeometry();
    auto* shown = new QLabel(WrappedText(text, own->font(), screenArea.width() / 2), this);
    shown->setTextFormat(Qt::PlainText);
    shown->setAlignment(own->alignment());
    shown->setTextInteractionFlags(own->textInteractionFlags());
    shown->setContentsMargins(own->contentsMargins());
    own->hide();
    QWidget* placed = shown;
    // A text taller than half the screen scrolls inside the box, which stays whole on the screen.
    const QSize needed = shown->sizeHint();
    if (needed.height() > screenArea.height() / 2) {
        auto* scroll = new QScrollArea(this);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setWidget(shown);
        scroll->setFixedSize(needed.width() + scroll->verticalScrollBar()->sizeHint().width(),
                             screenArea.height() / 2);
        placed = scroll;
    }
    grid->addWidget(placed, row, col, rowSpan, colSpan);
}

void StopBox::keyPressEvent(QKeyEvent* event)
{
    if (!event->matches(QKeySequence::Copy)) {
        QMessageBox::keyPressEvent(event);
        return;
    }
    const QString rule = QStringLiteral("---------------------------\n");
    QString copied = rule + windowTitle() + u'\n' + rule + text() + u'\n' + rule;
    for (const QAbstractButton* button : buttons())
        copied += button->text().remove(u'&') + QStringLiteral("   ");
    QGuiApplication::clipboard()->setText(copied + u'\n' + rule);
}

} // namespace vcl
