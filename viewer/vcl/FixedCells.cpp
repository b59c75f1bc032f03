#include "vcl/FixedCells.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace vcl {

FixedCells::FixedCells(QTableView* grid, int fixedCols, int fixedRows)
    : grid_(grid), fixedCols_(fixedCols), fixedRows_(fixedRows)
{
    if (fixedCols_ > 0) {
        columns_ = MakeView();
        Follow(grid_->verticalScrollBar(), columns_->verticalScrollBar());
    }
    if (fixedRows_ > 0) {
        rows_ = MakeView();
        Follow(grid_->horizontalScrollBar(), rows_->horizontalScrollBar());
    }
    if (columns_ && rows_)
        corner_ = MakeView(); // made last, so it lies above the other two
    // A fixed column or row that changes its size changes what the views cover.
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int col, int, int width) {
        for (QTableView* view : {columns_, rows_, corner_})
            if (view)
                view->setColumnWidth(col, width);
        Place();
    });
    connect(grid_->verticalHeader(), &QHeaderView::sectionResized, this, [this](int row, int, int height) {
        for (QTableView* view : {columns_, rows_, corner_})
            if (view)
                view->setRowHeight(row, height);
        Place();
    });
    Place();
}

// A child of the grid itself, not of its viewport: the viewport moves its children as it scrolls.
QTableView* FixedCells::MakeView()
{
    auto* view = new QTableView(grid_);
    view->setModel(grid_->model());
    view->setFocusPolicy(Qt::NoFocus);
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollMode(grid_->horizontalScrollMode());
    view->setVerticalScrollMode(grid_->verticalScrollMode());
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTextElideMode(grid_->textElideMode());
    view->setWordWrap(grid_->wordWrap());
    view->setShowGrid(grid_->showGrid());
    view->setGridStyle(grid_->gridStyle());
    for (auto [mine, theirs] : {std::pair(view->horizontalHeader(), grid_->horizontalHeader()),
                                std::pair(view->verticalHeader(), grid_->verticalHeader())}) {
        mine->hide();
        mine->setMinimumSectionSize(0);
        mine->setDefaultSectionSize(theirs->defaultSectionSize());
        for (int section = 0; section < theirs->count(); ++section)
            mine->resizeSection(section, theirs->sectionSize(section));
    }
    return view;
}

// The view scrolls with the grid along this bar, also once its own range has caught up with the
// grid's after rows or columns came or went.
void FixedCells::Follow(QScrollBar* grid, QScrollBar* view)
{
    connect(grid, &QScrollBar::valueChanged, view, &QScrollBar::setValue);
    connect(view, &QScrollBar::rangeChanged, this, [grid, view] { view->setValue(grid->value()); });
}

QSize FixedCells::Extent() const
{
    int width = 0;
    for (int col = 0; col < std::min(fixedCols_, grid_->model()->columnCount()); ++col)
        width += grid_->columnWidth(col);
    int height = 0;
    for (int row = 0; row < std::min(fixedRows_, grid_->model()->rowCount()); ++row)
        height += grid_->rowHeight(row);
    const QSize area = grid_->viewport()->size();
    return {std::min(width, area.width()), std::min(height, area.height())};
}

void FixedCells::Place()
{
    const QRect area = grid_->viewport()->geometry();
    const QSize fixed = Extent();
    if (columns_)
        columns_->setGeometry(area.x(), area.y(), fixed.width(), area.height());
    if (rows_)
        rows_->setGeometry(area.x(), area.y(), area.width(), fixed.height());
    if (corner_)
        corner_->setGeometry(area.x(), area.y(), fixed.width(), fixed.height());
}

QModelIndex FixedCells::IndexAt(const QPoint& point) const
{
    const QPoint onGrid = point + grid_->viewport()->pos();
    for (const QTableView* view : {corner_, rows_, columns_})
        if (view && view->geometry().contains(onGrid))
            return view->indexAt(onGrid - view->pos());
    return {};
}

} // namespace vcl
