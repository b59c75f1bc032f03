#pragma once
// Unit About: the modal About dialog. OK closes it (click, Enter as the default button, Space
// while it has the focus), and so does the close button of the title bar; Escape does nothing.
#include <QDialog>

class QLabel;
class QPushButton;

namespace vcl {
class TPanel;
}

class TAboutBox : public QDialog {
public:
    explicit TAboutBox(QWidget* parent);

    vcl::TPanel* Panel1;
    QPushButton* OKButton;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Copyright;
    QLabel* Comments;
    QLabel* Label1;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

extern TAboutBox* AboutBox;
