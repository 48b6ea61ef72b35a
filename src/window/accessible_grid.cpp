// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/accessible_grid.h"

#include "paint/grid_geometry.h"
#include "surface/twips.h"

#include <QWidget>

#include <utility>

namespace cellaro {

namespace {

// A child of the grid: a header or a cell. It holds only its place; what it
// says is read from the grid when asked.
class GridChild : public QAccessibleInterface {
public:
    GridChild(const AccessibleGrid& grid, int index) : grid_(grid), index_(index) {}

    int Index() const { return index_; }
    const AccessibleGrid& Grid() const { return grid_; }

    // Until the grid changes, when it deletes its children.
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_.window(); }
    QAccessibleInterface* parent() const override { return const_cast<AccessibleGrid*>(&grid_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

private:
    const AccessibleGrid& grid_;
    int index_;
};

class HeaderAccessible : public GridChild {
public:
    HeaderAccessible(const AccessibleGrid& grid, int index, QAccessible::Role role, int position)
        : GridChild(grid, index), role_(role), position_(position)
    {
    }

    QAccessible::Role role() const override { return role_; }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? Grid().Headers().value(position_) : QString();
    }
    QRect rect() const override
    {
        return role_ == QAccessible::ColumnHeader ? Grid().ColumnHeaderRect(position_ + 1)
                                                  : Grid().RowHeaderRect(position_ + 1);
    }

private:
    QAccessible::Role role_;
    int position_; // 0-based column or row
};

class CellAccessible : public GridChild, public QAccessibleTableCellInterface {
public:
    CellAccessible(const AccessibleGrid& grid, int index, int o) : GridChild(grid, index), o_(o) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name && Place().column > 0 ? Grid().CellText(o_) : QString();
    }
    QRect rect() const override { return Place().column > 0 ? Grid().BoxRect(Place()) : QRect(); }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        return HeaderList(Grid().ColumnHeader(columnIndex()));
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override
    {
        return HeaderList(Grid().RowHeader(rowIndex()));
    }
    int columnIndex() const override { return Place().column - 1; }
    int rowIndex() const override { return Place().row - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    // Nowhere once the table no longer holds the entry, until the grid
    // drops the cell.
    GridCell Place() const
    {
        const DrawnGrid shown = Grid().Shown();
        return o_ <= shown.cells ? CellOfEntry(shown, o_) : GridCell {};
    }
    static QList<QAccessibleInterface*> HeaderList(QAccessibleInterface* header)
    {
        return header ? QList<QAccessibleInterface*> { header } : QList<QAccessibleInterface*> {};
    }

    int o_;
};

QRect PixelRect(TwipPoint first, TwipPoint last)
{
    return QRect(QPoint(TwipsToPixels(first.x), TwipsToPixels(first.y)),
                 QPoint(TwipsToPixels(last.x), TwipsToPixels(last.y)));
}

} // namespace

AccessibleGrid::AccessibleGrid(QWidget* area, const FormState& form)
    : QAccessibleWidget(area, QAccessible::Table)
    , form_(form)
{
}

AccessibleGrid::~AccessibleGrid() { DropChildren(); }

AccessibleGrid* AccessibleGrid::Of(QWidget* area)
{
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(area);
    return found ? dynamic_cast<AccessibleGrid*>(found) : nullptr;
}

void AccessibleGrid::DropChildren()
{
    const QHash<int, QAccessible::Id> made = std::exchange(children_, {});
    for (const QAccessible::Id id : made)
        QAccessible::deleteAccessibleInterface(id);
}

// Listeners that hold a child hear that it is gone, and every listener
// hears of the reset and of the description, which follows the grid. (The
// toolkit's AT-SPI bridge passes no table event on, the other two it does.)
void AccessibleGrid::Changed()
{
    for (const QAccessible::Id id : std::as_const(children_)) {
        QAccessibleEvent gone(QAccessible::accessibleInterface(id), QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&gone);
    }
    DropChildren();
    QAccessibleTableModelChangeEvent reset(widget(), QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
    QAccessibleEvent described(widget(), QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

void AccessibleGrid::modelChange(QAccessibleTableModelChangeEvent* event)
{
    (void)event; // any change may move every cell
    DropChildren();
}

void* AccessibleGrid::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::Role AccessibleGrid::role() const { return QAccessible::Table; }

QString AccessibleGrid::text(QAccessible::Text type) const
{
    if (type == QAccessible::Description)
        return GridSummary(Shown());
    return QAccessibleWidget::text(type);
}

// The painter's geometry for the shown table: the cell size it computes and
// the window's margins.
GridGeometry AccessibleGrid::Geometry() const
{
    GridGeometry geometry = form_.grid;
    SetCellSizeFor(geometry, form_.entries.EntryCount);
    return geometry;
}

QRect AccessibleGrid::OnScreen(QRect areaPixels) const
{
    return areaPixels.translated(widget()->mapToGlobal(QPoint(0, 0)));
}

QRect AccessibleGrid::BoxRect(GridCell cell) const
{
    const CellBox box = CellBoxAt(Geometry(), cell.column, cell.row);
    return OnScreen(PixelRect(box.first, box.second));
}

// A header letter stands in the margin beside its column or row, across
// the cell's pitch.
QRect AccessibleGrid::ColumnHeaderRect(int column) const
{
    const GridGeometry geometry = Geometry();
    const TwipPoint origin = CellOrigin(geometry, column, 1);
    const float end = origin.x + float(CellPitchTwips(geometry.CellWidth)) - kTwipsPerPixel;
    return OnScreen(PixelRect({ origin.x, 0 }, { end, float(geometry.MarginY - kTwipsPerPixel) }));
}

QRect AccessibleGrid::RowHeaderRect(int row) const
{
    const GridGeometry geometry = Geometry();
    const TwipPoint origin = CellOrigin(geometry, 1, row);
    const float end = origin.y + float(CellPitchTwips(geometry.CellHeight)) - kTwipsPerPixel;
    return OnScreen(PixelRect({ 0, origin.y }, { float(geometry.MarginX - kTwipsPerPixel), end }));
}

int AccessibleGrid::childCount() const { return 2 * int(Headers().size()) + Shown().cells; }

QAccessibleInterface* AccessibleGrid::ChildMade(int index) const
{
    if (const auto found = children_.constFind(index); found != children_.cend())
        return QAccessible::accessibleInterface(*found);
    const int headers = int(Headers().size());
    QAccessibleInterface* made = nullptr;
    if (index < headers)
        made = new HeaderAccessible(*this, index, QAccessible::ColumnHeader, index);
    else if (index < 2 * headers)
        made = new HeaderAccessible(*this, index, QAccessible::RowHeader, index - headers);
    else
        made = new CellAccessible(*this, index, index - 2 * headers + 1);
    children_.insert(index, QAccessible::registerAccessibleInterface(made));
    return made;
}

QAccessibleInterface* AccessibleGrid::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return ChildMade(index);
}

QAccessibleInterface* AccessibleGrid::CellOf(int o) const
{
    if (o < 1 || o > Shown().cells)
        return nullptr;
    return ChildMade(2 * int(Headers().size()) + o - 1);
}

QAccessibleInterface* AccessibleGrid::ColumnHeader(int column) const
{
    return column >= 0 && column < Headers().size() ? ChildMade(column) : nullptr;
}

QAccessibleInterface* AccessibleGrid::RowHeader(int row) const
{
    const int headers = int(Headers().size());
    return row >= 0 && row < headers ? ChildMade(headers + row) : nullptr;
}

int AccessibleGrid::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* ours = dynamic_cast<const GridChild*>(child);
    return ours && &ours->Grid() == this && ours->isValid() ? ours->Index() : -1;
}

QAccessibleInterface* AccessibleGrid::cellAt(int row, int column) const
{
    return CellOf(EntryAtCell(Shown(), GridCell { column + 1, row + 1 }));
}

// The cell whose pitch holds the point, as the mouse-release marker finds it.
QAccessibleInterface* AccessibleGrid::childAt(int x, int y) const
{
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    const auto cell = CellUnderPointer(Geometry(), Shown().cells, float(PixelsToTwips(local.x())),
                                       float(PixelsToTwips(local.y())));
    return cell ? CellOf(EntryAtCell(Shown(), *cell)) : nullptr;
}

QString AccessibleGrid::columnDescription(int column) const { return Headers().value(column); }

QString AccessibleGrid::rowDescription(int row) const { return Headers().value(row); }

} // namespace cellaro
