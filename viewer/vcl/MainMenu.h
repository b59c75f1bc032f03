#pragma once
// The main window's menu bar, with the framework's menu loop. Once a drop-down has been opened,
// the loop runs until an item is chosen, Escape closes the bar or a click lands outside it:
// the arrow keys move along the bar through every entry, an entry without items included, and
// no key or click reaches a control of the form meanwhile.
// The status bar shows the long hint of the entry or item that is highlighted in an open menu
// or by the keyboard, and is empty otherwise: resting the pointer on the bar shows nothing.
#include <QMenuBar>

class QMainWindow;

namespace vcl {

class TMainMenu : public QMenuBar {
public:
    explicit TMainMenu(QMainWindow* window);

protected:
    bool event(QEvent* event) override;
    void actionEvent(QActionEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenu* OpenMenu() const;
    // The loop goes on at an entry that has no drop-down: nothing else takes the keyboard then.
    bool AtEntryWithoutItems() const;
    bool TakesInput(QObject* watched) const;
    void EndLoop();
    void Settle();
    void ShowHint();

    bool looping_ = false;
    bool swallowRelease_ = false; // the click that ended the loop ends at no control either
};

} // namespace vcl
