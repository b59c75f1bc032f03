#include "vcl/StdControls.h"

#include "vcl/QtText.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace vcl {

TButton::TButton(QWidget* parent, const std::string& caption) : QPushButton(ToQ(caption), parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { Fire(OnClick, this); });
}

void TButton::keyPressEvent(QKeyEvent* event)
{
    // Enter on a focused button clicks it, as Space does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

TLabel::TLabel(QWidget* parent, const std::string& caption) : QLabel(ToQ(caption), parent) {}

std::string TLabel::Caption() const
{
    return FromQ(text());
}

void TLabel::SetCaption(const std::string& caption)
{
    setText(ToQ(caption));
}

void TLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Fire(OnClick, this);
}

TEdit::TEdit(QWidget* parent, const std::string& text) : QLineEdit(ToQ(text), parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] { Fire(OnChange, this); });
}

std::string TEdit::Text() const
{
    return FromQ(text());
}

void TEdit::SetText(const std::string& text)
{
    setText(ToQ(text));
}

void TEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Coming back to the window, or closing a popup, does not move the focus between controls.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        Fire(OnEnter, this);
}

TGroupBox::TGroupBox(QWidget* parent, const std::string& caption) : QGroupBox(ToQ(caption), parent) {}

TRadioGroup::TRadioGroup(QWidget* parent, const std::string& caption, const std::vector<std::string>& items)
    : QGroupBox(ToQ(caption), parent)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        group_.addButton(new QRadioButton(ToQ(items[i]), this), static_cast<int>(i));
    ArrangeItems();
    connect(&group_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == chosen_)
            return;
        chosen_ = id;
        Fire(OnClick, this);
    });
}

int TRadioGroup::ItemIndex() const
{
    return group_.checkedId();
}

void TRadioGroup::SetItemIndex(int index)
{
    chosen_ = group_.button(index) ? index : -1;
    if (QAbstractButton* button = group_.button(index)) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = group_.checkedButton()) {
        group_.setExclusive(false);
        checked->setChecked(false);
        group_.setExclusive(true);
    }
}

QAbstractButton* TRadioGroup::Button(int index) const
{
    return group_.button(index);
}

// The items share the inside of the frame in equal rows, as the framework shares the group's
// height below its caption; like there, they start 8 pixels from the left edge.
void TRadioGroup::ArrangeItems()
{
    const int count = static_cast<int>(group_.buttons().size());
    if (count == 0)
        return;
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect inside =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    constexpr int kLeft = 8;
    const int rowHeight = inside.height() / count;
    const int top = inside.top() + (inside.height() % count) / 2;
    for (int i = 0; i < count; ++i)
        group_.button(i)->setGeometry(kLeft, top + i * rowHeight, inside.right() + 1 - kLeft, rowHeight);
}

void TRadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    ArrangeItems();
}

void TRadioGroup::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ArrangeItems();
}

TPanel::TPanel(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

} // namespace vcl
