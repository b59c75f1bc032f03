#pragma once
// An editable drop-down list. OnChange fires when the user picks an item (mouse, arrow keys or
// wheel) and at every change of the text by typing; never when the program sets ItemIndex or
// empties the list, nor at Enter. Typing leaves no item selected (ItemIndex -1); emptying the
// list keeps the text that the box shows. The list keeps the order in which items are added.
#include "vcl/Events.h"

#include <QComboBox>
#include <string>

namespace vcl {

class TComboBox : public QComboBox {
public:
    TComboBox(QWidget* parent, const std::string& text, int dropDownCount);

    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index); // -1, or an index outside the list, selects nothing
    std::string Text() const;
    void SetText(const std::string& text);

    int ItemCount() const { return count(); }
    std::string Item(int index) const;
    void AddItem(const std::string& item);
    void ClearItems();

    TNotifyEvent OnChange;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int itemIndex_ = -1;
};

} // namespace vcl
