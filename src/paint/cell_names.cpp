// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/cell_names.h"

#include "paint/grid_geometry.h"
#include "paint/grid_painter.h"
#include "paint/header_letters.h"

namespace cellaro {

DrawnGrid DrawnGridOf(const EntryTable& table)
{
    if (!PainterDrawsCells(table))
        return {};
    const int cells = table.EntryCount;
    const int columns = int(GridSideFor(cells));
    return DrawnGrid { cells, columns, (cells + columns - 1) / columns };
}

GridCell CellOfEntry(const DrawnGrid& grid, int o)
{
    return GridCell { (o - 1) % grid.columns + 1, (o - 1) / grid.columns + 1 };
}

int EntryAtCell(const DrawnGrid& grid, GridCell cell)
{
    if (cell.column < 1 || cell.column > grid.columns || cell.row < 1 || cell.row > grid.rows)
        return 0;
    const int o = (cell.row - 1) * grid.columns + cell.column;
    return o <= grid.cells ? o : 0;
}

QString CellName(const EntryTable& table, int o)
{
    const Int16 count = table.EntryValues[std::size_t(o)];
    const QLatin1StringView separator(", ");
    QString name = table.EntryNames[std::size_t(o)] + separator + CountText(count);
    if (PrintsShares(table))
        name += separator + ShareText(count, table.TotalValue);
    return name;
}

QString GridSummary(const DrawnGrid& shown)
{
    if (shown.cells == 0)
        return QStringLiteral("Bosh");
    const auto counted = [](int n, QStringView one, QStringView many) {
        return QString::number(n) + u' ' + (n == 1 ? one : many).toString();
    };
    const QLatin1StringView separator(", ");
    return counted(shown.cells, u"qeliz\u00eb", u"qeliza") + separator
        + counted(shown.rows, u"rresht", u"rreshta") + separator
        + counted(shown.columns, u"shtyll\u00eb", u"shtylla");
}

QStringList GridHeaderTexts(const EntryTable& table)
{
    if (!PainterDrawsCells(table) || table.EntryCount != kLetterMatrixEntries)
        return {};
    return HeaderTexts();
}

} // namespace cellaro
