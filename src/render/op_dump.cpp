// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/op_dump.h"

#include "cli/escaped_text.h"
#include "surface/basic_services.h"

namespace cellaro {

namespace {

QString FillStyleName(BoxFill style)
{
    return style == BoxFill::Solid ? QStringLiteral("solid") : QStringLiteral("transparent");
}

} // namespace

QString HexColour(Colour colour)
{
    return QStringLiteral("#%1%2%3")
        .arg(RedOf(colour), 2, 16, QLatin1Char('0'))
        .arg(GreenOf(colour), 2, 16, QLatin1Char('0'))
        .arg(BlueOf(colour), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QStringList DumpEntryTable(const EntryTable& table)
{
    QStringList lines {
        QStringLiteral("EntryCount %1").arg(table.EntryCount),
        QStringLiteral("MaxValue %1").arg(table.MaxValue),
        QStringLiteral("TotalValue %1").arg(table.TotalValue),
    };
    for (int i = 1; i <= table.EntryCount; ++i)
        lines.append(QStringLiteral("Entry %1 %2 %3")
                         .arg(i)
                         .arg(table.EntryValues[std::size_t(i)])
                         .arg(cli::Quoted(table.EntryNames[std::size_t(i)])));
    return lines;
}

QString DumpOp(const DrawOp& op)
{
    switch (op.kind) {
    case DrawOp::Cls:
        return QStringLiteral("Cls");
    case DrawOp::Box:
        return QStringLiteral("Box %1 %2 %3 %4 outline %5 fill %6 %7")
            .arg(ShortestText(op.x1), ShortestText(op.y1), ShortestText(op.x2), ShortestText(op.y2),
                 HexColour(op.colour), HexColour(op.fill), FillStyleName(op.fillStyle));
    case DrawOp::Print:
        return QStringLiteral("Print %1 %2 %3 %4")
            .arg(ShortestText(op.x1), ShortestText(op.y1), HexColour(op.colour), cli::Quoted(op.text));
    case DrawOp::SetCurrentX:
        return QStringLiteral("CurrentX %1").arg(ShortestText(op.x1));
    case DrawOp::SetCurrentY:
        return QStringLiteral("CurrentY %1").arg(ShortestText(op.y1));
    case DrawOp::SetForeColor:
        return QStringLiteral("ForeColor %1").arg(HexColour(op.colour));
    case DrawOp::SetFillColor:
        return QStringLiteral("FillColor %1").arg(HexColour(op.colour));
    case DrawOp::ReadFillColor:
        return QStringLiteral("ReadFillColor %1").arg(HexColour(op.colour));
    case DrawOp::SetFillStyle:
        return QStringLiteral("FillStyle %1").arg(FillStyleName(op.fillStyle));
    }
    return {};
}

QStringList DumpOps(const QList<DrawOp>& ops)
{
    QStringList lines;
    lines.reserve(ops.size());
    for (const DrawOp& op : ops)
        lines.append(DumpOp(op));
    return lines;
}

} // namespace cellaro
