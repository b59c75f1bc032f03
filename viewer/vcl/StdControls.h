#pragma once
// The standard controls with the framework's event rules:
// - TButton: OnClick on a click, or on Space or Enter while it has the focus;
// - TLabel: OnClick on a click (press and release of the left button over it);
// - TEdit: OnChange at every change of its text (typed or set), OnEnter when it receives the
//   keyboard focus inside its window;
// - TRadioGroup: OnClick when the user picks one of its items; a click on the item already
//   chosen changes nothing and fires nothing.
#include "vcl/Events.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

namespace vcl {

class TButton : public QPushButton {
public:
    TButton(QWidget* parent, const std::string& caption);
    TNotifyEvent OnClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class TLabel : public QLabel {
public:
    TLabel(QWidget* parent, const std::string& caption);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    TNotifyEvent OnClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

class TEdit : public QLineEdit {
public:
    TEdit(QWidget* parent, const std::string& text);
    std::string Text() const;
    void SetText(const std::string& text);
    TNotifyEvent OnChange;
    TNotifyEvent OnEnter;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

class TGroupBox : public QGroupBox {
public:
    TGroupBox(QWidget* parent, const std::string& caption);
};

// A group of radio buttons in one column, in rows that fill the group below its caption;
// ItemIndex -1 when none is chosen.
class TRadioGroup : public QGroupBox {
public:
    TRadioGroup(QWidget* parent, const std::string& caption, const std::vector<std::string>& items);
    int ItemIndex() const;
    void SetItemIndex(int index);
    QAbstractButton* Button(int index) const;
    TNotifyEvent OnClick;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ArrangeItems();

    QButtonGroup group_;
    int chosen_ = -1; // the item chosen before the latest click
};

// A panel with a lowered outer bevel and no caption.
class TPanel : public QFrame {
public:
    explicit TPanel(QWidget* parent);
};

} // namespace vcl
