#pragma once
// The fixed rows and columns of a grid as its headers: they stay in place while the other cells
// scroll under them. Three views of the grid's own cells lie over its viewport: the fixed
// columns, which follow the rows up and down; the fixed rows, which follow the columns left and
// right; and the corner where they meet, which never moves. They show the grid's model with the
// grid's sizes, colours and lines, take no focus, and let every mouse event through to the grid.
#include <QModelIndex>
#include <QObject>
#include <QSize>

class QPoint;
class QScrollBar;
class QTableView;

namespace vcl {

class FixedCells : public QObject {
public:
    FixedCells(QTableView* grid, int fixedCols, int fixedRows);

    // Lays the views over the grid's viewport again, after its geometry or sizes changed.
    void Place();
    // Width of the fixed columns and height of the fixed rows as far as the viewport shows them.
    QSize Extent() const;
    // The fixed cell shown at this point of the grid's viewport, or an invalid index.
    QModelIndex IndexAt(const QPoint& point) const;

private:
    QTableView* MakeView();
    void Follow(QScrollBar* grid, QScrollBar* view);

    QTableView* grid_;
    int fixedCols_;
    int fixedRows_;
    QTableView* columns_ = nullptr;
    QTableView* rows_ = nullptr;
    QTableView* corner_ = nullptr;
};

} // namespace vcl
