#include "vcl/StringGrid.h"

#include "vcl/QtText.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>

#include <algorithm>

namespace vcl {

TStringGrid::TStringGrid(QWidget* parent, int colCount, int rowCount, int fixedCols, int fixedRows,
                         int defaultColWidth, int defaultRowHeight)
    : QTableWidget(parent), fixedCols_(fixedCols), fixedRows_(fixedRows), defaultColWidth_(defaultColWidth),
      defaultRowHeight_(defaultRowHeight)
{
    setTextElideMode(Qt::ElideNone); // a text wider than its cell is cut, not shortened with dots
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setDefaultSectionSize(defaultColWidth);
    verticalHeader()->setDefaultSectionSize(defaultRowHeight);
    fixedCells_ = std::make_unique<FixedCells>(this, fixedCols, fixedRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab and Shift+Tab go on to the next control of the form; only the arrow keys and the
    // mouse move from cell to cell.
    setTabKeyNavigation(false);
    setColumnCount(colCount);
    setRowCount(rowCount);
    Resized(0, 0);
}

void TStringGrid::SetColCount(int count)
{
    const int oldCols = columnCount();
    setColumnCount(count);
    Resized(oldCols, rowCount());
}

void TStringGrid::SetRowCount(int count)
{
    const int oldRows = rowCount();
    setRowCount(count);
    Resized(columnCount(), oldRows);
}

// New cells get an empty item in the style of their place, and new lines the default size.
void TStringGrid::Resized(int oldCols, int oldRows)
{
    for (int col = oldCols; col < columnCount(); ++col)
        setColumnWidth(col, defaultColWidth_);
    for (int row = oldRows; row < rowCount(); ++row)
        setRowHeight(row, defaultRowHeight_);
    for (int row = 0; row < rowCount(); ++row)
        for (int col = (row < oldRows ? oldCols : 0); col < columnCount(); ++col)
            StyleCell(col, row);
}

void TStringGrid::StyleCell(int col, int row)
{
    auto* cell = new QTableWidgetItem();
    if (col < fixedCols_ || row < fixedRows_) {
        cell->setBackground(palette().brush(QPalette::Button));
        cell->setFlags(Qt::ItemIsEnabled);
    } else {
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    setItem(row, col, cell);
}

bool TStringGrid::IsFixed(const QModelIndex& cell) const
{
    return cell.isValid() && (cell.column() < fixedCols_ || cell.row() < fixedRows_);
}

QModelIndex TStringGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex cell = QTableWidget::moveCursor(cursorAction, modifiers);
    if (!IsFixed(cell))
        return cell;
    // A step onto a fixed cell stops at the nearest cell that is not fixed.
    const QModelIndex free =
        model()->index(std::max(cell.row(), fixedRows_), std::max(cell.column(), fixedCols_));
    return free.isValid() ? free : currentIndex();
}

QModelIndex TStringGrid::indexAt(const QPoint& point) const
{
    const QModelIndex fixed = fixedCells_ ? fixedCells_->IndexAt(point) : QModelIndex();
    return fixed.isValid() ? fixed : QTableWidget::indexAt(point);
}

void TStringGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    QTableWidget::scrollTo(index, hint);
    if (!index.isValid() || IsFixed(index))
        return;
    // A cell scrolled into view at the left or top edge would lie under the fixed cells: it
    // comes out beside them.
    const QRect cell = visualRect(index);
    const QSize fixed = fixedCells_->Extent();
    if (cell.left() < fixed.width())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - (fixed.width() - cell.left()));
    if (cell.top() < fixed.height())
        verticalScrollBar()->setValue(verticalScrollBar()->value() - (fixed.height() - cell.top()));
}

void TStringGrid::updateGeometries()
{
    QTableWidget::updateGeometries();
    if (fixedCells_)
        fixedCells_->Place();
}

void TStringGrid::mousePressEvent(QMouseEvent* event)
{
    // A click on a fixed cell gives the grid the focus and leaves the current cell where it is.
    if (IsFixed(indexAt(event->position().toPoint()))) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

std::string TStringGrid::Cells(int col, int row) const
{
    const QTableWidgetItem* cell = item(row, col);
    return cell ? FromQ(cell->text()) : std::string();
}

void TStringGrid::SetCells(int col, int row, const std::string& text)
{
    if (QTableWidgetItem* cell = item(row, col))
        cell->setText(ToQ(text));
}

} // namespace vcl
