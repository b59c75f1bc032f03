#include "vcl/StdControls.h"

#include "vcl/QtText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>

namespace vcl {

TButton::TButton(QWidget* parent, const std::string& caption) : QPushButton(ToQ(caption), parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { Fire(OnClick, this); });
}

void TButton::keyPressEvent(QKeyEvent* event)
{
    // Enter on a focused button clicks it, as Space does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

TLabel::TLabel(QWidget* parent, const std::string& caption) : QLabel(ToQ(caption), parent) {}

std::string TLabel::Caption() const { return FromQ(text()); }

void TLabel::SetCaption(const std::string& caption) { setText(ToQ(caption)); }

void TLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) Fire(OnClick, this);
}

TEdit::TEdit(QWidget* parent, const std::string& text) : QLineEdit(ToQ(text), parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] { Fire(OnChange, this); });
}

std::string TEdit::Text() const { return FromQ(text()); }

void TEdit::SetText(const std::string& text) { setText(ToQ(text)); }

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
    constexpr int top = 15, itemHeight = 20, left = 8;
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(ToQ(items[i]), this);
        button->setGeometry(left, top + static_cast<int>(i) * itemHeight, 80, 17);
        group_.addButton(button, static_cast<int>(i));
    }
    connect(&group_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == chosen_) return;
        chosen_ = id;
        Fire(OnClick, this);
    });
}

int TRadioGroup::ItemIndex() const { return group_.checkedId(); }

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

QAbstractButton* TRadioGroup::Button(int index) const { return group_.button(index); }

TPanel::TPanel(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

} // namespace vcl
