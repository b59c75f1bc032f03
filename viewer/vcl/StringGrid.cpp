#include "vcl/StringGrid.h"

#include "vcl/QtText.h"

#include <QHeaderView>
#include <QPalette>

namespace vcl {

TStringGrid::TStringGrid(QWidget* parent, int colCount, int rowCount, int fixedCols, int fixedRows,
                         int defaultColWidth, int defaultRowHeight)
    : QTableWidget(parent), fixedCols_(fixedCols), fixedRows_(fixedRows), defaultColWidth_(defaultColWidth),
      defaultRowHeight_(defaultRowHeight)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setDefaultSectionSize(defaultColWidth);
    verticalHeader()->setDefaultSectionSize(defaultRowHeight);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideNone);  // a text wider than its cell is cut, not shortened with dots
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
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
    for (int col = oldCols; col < columnCount(); ++col) setColumnWidth(col, defaultColWidth_);
    for (int row = oldRows; row < rowCount(); ++row) setRowHeight(row, defaultRowHeight_);
    for (int row = 0; row < rowCount(); ++row)
        for (int col = (row < oldRows ? oldCols : 0); col < columnCount(); ++col) StyleCell(col, row);
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

std::string TStringGrid::Cells(int col, int row) const
{
    const QTableWidgetItem* cell = item(row, col);
    return cell ? FromQ(cell->text()) : std::string();
}

void TStringGrid::SetCells(int col, int row, const std::string& text)
{
    if (QTableWidgetItem* cell = item(row, col)) cell->setText(ToQ(text));
}

} // namespace vcl
