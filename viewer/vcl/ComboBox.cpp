#include "vcl/ComboBox.h"

#include "vcl/QtText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace vcl {

TComboBox::TComboBox(QWidget* parent, const std::string& text, int dropDownCount) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(dropDownCount);
    lineEdit()->setText(ToQ(text));
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this](int index) {
        itemIndex_ = index;
        Fire(OnChange, this);
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        itemIndex_ = -1;
        Fire(OnChange, this);
    });
}

namespace {

bool isEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

// Enter in the edit part chooses nothing, not even after the exact text of an item: only
// picking from the list does. The key reaches the edit either directly or through the box,
// which hands it on past the edit's event filters and would choose the item of that text.
bool TComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event)))
        return true;
    return QComboBox::eventFilter(watched, event);
}

void TComboBox::keyPressEvent(QKeyEvent* event)
{
    if (isEnter(event))
        return;
    QComboBox::keyPressEvent(event);
}

void TComboBox::SetItemIndex(int index)
{
    const QSignalBlocker blocker(this);
    if (index < 0 || index >= count()) {
        itemIndex_ = -1;
        return;
    }
    itemIndex_ = index;
    setCurrentIndex(index);
    lineEdit()->setText(itemText(index));
}

std::string TComboBox::Text() const
{
    return FromQ(lineEdit()->text());
}

void TComboBox::SetText(const std::string& text)
{
    const QSignalBlocker blocker(this);
    itemIndex_ = -1;
    lineEdit()->setText(ToQ(text));
}

std::string TComboBox::Item(int index) const
{
    return FromQ(itemText(index));
}

void TComboBox::AddItem(const std::string& item)
{
    const QSignalBlocker blocker(this);
    const QString shown = lineEdit()->text();
    addItem(ToQ(item));
    // Qt selects the first item added to an empty list; the box has no selection until one is
    // picked or set, so that the first arrow-key step picks the first item.
    if (itemIndex_ < 0)
        setCurrentIndex(-1);
    lineEdit()->setText(shown);
}

void TComboBox::ClearItems()
{
    const QSignalBlocker blocker(this);
    const QString shown = lineEdit()->text();
    clear();
    itemIndex_ = -1;
    lineEdit()->setText(shown);
}

} // namespace vcl
