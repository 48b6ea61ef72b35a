// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing area as assistive technology sees it: a table of the grid it
// shows, read from the window's state whenever asked. One cell per drawn
// box, named with what the box says; at 1296 entries the header letters
// head the columns and rows. A cell's object is made only when it is asked
// for, and kept until the grid changes.

#include "paint/cell_names.h"
#include "paint/form_state.h"

#include <QAccessibleWidget>
#include <QHash>

namespace cellaro {

class AccessibleGrid : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    AccessibleGrid(QWidget* area, const FormState& form);
    ~AccessibleGrid() override;

    // The grid's interface for the area, when it has one.
    static AccessibleGrid* Of(QWidget* area);

    // After Show: the headers and cells handed out for the grid shown
    // before are announced gone and deleted, and listeners hear that the
    // table changed, and its new description.
    void Changed();

    // What the area shows now, and the rectangle (screen pixels) of a box,
    // of a column's header and of a row's header; all 1-based.
    DrawnGrid Shown() const { return DrawnGridOf(form_.entries); }
    QStringList Headers() const { return GridHeaderTexts(form_.entries); }
    QString CellText(int o) const { return CellName(form_.entries, o); }
    QRect BoxRect(GridCell cell) const;
    QRect ColumnHeaderRect(int column) const;
    QRect RowHeaderRect(int row) const;

    // The children in order: the column headers, the row headers, then the
    // cells in entry order. `o` is 1-based, the header indexes 0-based.
    QAccessibleInterface* CellOf(int o) const;
    QAccessibleInterface* ColumnHeader(int column) const;
    QAccessibleInterface* RowHeader(int row) const;

    // QAccessibleInterface
    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::Role role() const override;
    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int columnCount() const override { return Shown().columns; }
    int rowCount() const override { return Shown().rows; }
    // Nothing in the grid can be selected.
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    GridGeometry Geometry() const;
    QRect OnScreen(QRect areaPixels) const;
    QAccessibleInterface* ChildMade(int index) const;
    void DropChildren();

    const FormState& form_;
    mutable QHash<int, QAccessible::Id> children_;
};

} // namespace cellaro
