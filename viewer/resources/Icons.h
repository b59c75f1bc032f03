#pragma once
// The program's two pictures, drawn in the 16 colours of the classic palette.
#include <QIcon>
#include <QPixmap>

// 32 x 32: a frame window with three cascaded child windows.
QIcon MainIcon();

// 32 x 32: a red line graph on a grey dotted grid.
QPixmap AboutPicture();
