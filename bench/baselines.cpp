// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "baselines.h"

#include "paint/colour_schemes.h"
#include "paint/grid_geometry.h"
#include "surface/image_surface.h"
#include "surface/twips.h"

namespace cellaro::bench {

namespace {

long long LeadingDigits(QStringView text)
{
    long long number = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        number = number * 10 + (c.unicode() - u'0');
    }
    return number;
}

QRect PixelRect(const CellBox& box)
{
    return QRect(QPoint(TwipsToPixels(box.first.x), TwipsToPixels(box.first.y)),
                 QPoint(TwipsToPixels(box.second.x), TwipsToPixels(box.second.y)));
}

} // namespace

long long SplitAndReadNumbers(QStringView text)
{
    long long sum = 0;
    qsizetype start = 0;
    for (qsizetype feed = text.indexOf(u'\n'); feed >= 0; feed = text.indexOf(u'\n', start)) {
        const QStringView line = text.sliced(start, feed - start);
        const qsizetype comma = line.indexOf(u',');
        if (comma >= 0)
            sum += LeadingDigits(line.sliced(comma + 1));
        start = feed + 1;
    }
    return sum;
}

std::vector<FilledBox> PrecomputedBoxes(FormState form, Int16 scheme)
{
    const EntryTable& table = form.entries;
    SetCellSizeFor(form.grid, table.EntryCount);
    const Int16 levels = PrepareScheme(form.palette, scheme);
    const int side = int(GridSideFor(table.EntryCount));
    std::vector<FilledBox> boxes;
    boxes.reserve(std::size_t(table.EntryCount));
    for (int o = 1; o <= table.EntryCount; ++o) {
        const CellBox box = CellBoxAt(form.grid, (o - 1) % side + 1, (o - 1) / side + 1);
        const Colour fill = CellFillColor(form.palette, levels, table.MaxValue, scheme,
                                          table.EntryValues[std::size_t(o)])
                                .value_or(0);
        boxes.push_back(FilledBox { PixelRect(box), QColor(RedOf(fill), GreenOf(fill), BlueOf(fill)) });
    }
    return boxes;
}

void FillBoxes(QPainter& painter, const std::vector<FilledBox>& boxes)
{
    for (const FilledBox& box : boxes)
        painter.fillRect(box.pixels, box.colour);
}

} // namespace cellaro::bench
