#include "resources/Icons.h"

#include <QPainter>

namespace {

const QColor kBlack(0, 0, 0), kNavy(0, 0, 128), kSilver(192, 192, 192), kGrey(128, 128, 128), kRed(255, 0, 0),
    kBlue(0, 0, 255), kWhite(255, 255, 255), kTeal(0, 128, 128);

QPixmap blank()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void window(QPainter& painter, const QRect& bounds, const QColor& titleBar, const QColor& body)
{
    painter.setPen(kBlack);
    painter.setBrush(body);
    painter.drawRect(bounds.adjusted(0, 0, -1, -1));
    painter.fillRect(bounds.left() + 1, bounds.top() + 1, bounds.width() - 2, 3, titleBar);
}

} // namespace

QIcon MainIcon()
{
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    window(painter, QRect(0, 1, 32, 30), kNavy, kGrey);
    window(painter, QRect(3, 7, 16, 12), kBlue, kWhite);
    window(painter, QRect(7, 11, 16, 12), kBlue, kWhite);
    window(painter, QRect(11, 15, 16, 12), kTeal, kWhite);
    painter.end();
    return QIcon(pixmap);
}

QPixmap AboutPicture()
{
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.fillRect(0, 0, 32, 32, kSilver);
    for (int y = 3; y < 32; y += 4)
        for (int x = 3; x < 32; x += 4)
            painter.fillRect(x, y, 1, 1, kGrey);
    painter.setPen(kBlack);
    painter.drawLine(1, 30, 30, 30);
    painter.drawLine(1, 1, 1, 30);
    painter.setPen(QPen(kRed, 2));
    const QPoint graph[] = {{2, 26}, {7, 18}, {12, 22}, {17, 9}, {22, 14}, {27, 5}, {30, 8}};
    painter.drawPolyline(graph, static_cast<int>(std::size(graph)));
    painter.end();
    return pixmap;
}
