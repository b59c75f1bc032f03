#pragma once
// A grid of cell texts with fixed (header) rows and columns drawn in the button-face colour;
// they stay in place while the other cells scroll under them. The user can select cells but not
// edit them; scroll bars appear when the cells do not fit. A fixed cell is never the current
// one, and Tab leaves the grid for the next control.
// Cells(col, row) follows the framework's order: column first.
#include "vcl/FixedCells.h"

#include <QTableWidget>
#include <memory>
#include <string>
#include <vector>

namespace vcl {

class TStringGrid : public QTableWidget {
public:
    TStringGrid(QWidget* parent, int colCount, int rowCount, int fixedCols, int fixedRows,
                int defaultColWidth, int defaultRowHeight);

    int ColCount() const { return columnCount(); }
    int RowCount() const { return rowCount(); }
    void SetColCount(int count);
    void SetRowCount(int count);
    int ColWidth(int col) const { return columnWidth(col); }
    void SetColWidth(int col, int width) { setColumnWidth(col, width); }
    int RowHeight(int row) const { return rowHeight(row); }
    void SetRowHeight(int row, int height) { setRowHeight(row, height); }

    std::string Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string& text);

    // Where the fixed cells stand, a point shows the fixed cell, not the one scrolled under it.
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool IsFixed(const QModelIndex& cell) const;
    void StyleCell(int col, int row);
    void Resized(int oldCols, int oldRows);

    int fixedCols_;
    int fixedRows_;
    int defaultColWidth_;
    int defaultRowHeight_;
    std::unique_ptr<FixedCells> fixedCells_; // gone before the grid's headers and views
};

} // namespace vcl
