#include "About.h"

#include "resources/Icons.h"
#include "vcl/Application.h"
#include "vcl/Forms.h"
#include "vcl/StdControls.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TAboutBox* AboutBox = nullptr;

namespace {

QLabel* fittedLabel(QWidget* parent, const char* text, int left, int top)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("About"));
    vcl::NameForDesktop(this);
    setFont(vcl::DesignFont());
    setFixedSize(298, 218);

    Panel1 = new vcl::TPanel(this);
    Panel1->setGeometry(8, 8, 281, 161);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(120, 178, 65, 33);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setGeometry(8, 8, 65, 57);
    ProgramIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ProgramIcon->setPixmap(AboutPicture());

    ProductName = fittedLabel(Panel1, "Product Name", 88, 16);
    Version = fittedLabel(Panel1, "Version", 88, 40);
    Copyright = fittedLabel(Panel1, "Copyright", 8, 80);
    Comments = new QLabel(QStringLiteral("Comments"), Panel1);
    Comments->setWordWrap(true);
    Comments->move(8, 104);
    Comments->setFixedWidth(49);
    Comments->adjustSize();
    Label1 = fittedLabel(Panel1, "Quenlor", 168, 32);

    OKButton->setFocus();
}

void TAboutBox::keyPressEvent(QKeyEvent* event)
{
    // No cancel button: Escape leaves the dialog open.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        return;
    QDialog::keyPressEvent(event);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    OKButton->setFocus();
    QDialog::showEvent(event);
}
