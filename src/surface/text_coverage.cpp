#include "surface/text_coverage.h"

#include <cmath>
#include <vector>

namespace cellaro {

namespace {

constexpr qsizetype kMaxGlyphCells = 8192;

// Where a glyph is placed, split into whole pixels and the 64ths of a
// pixel left over.
struct Placement {
    QPoint whole;
    int across = 0;
    int down = 0;
};

Placement PlacementOf(QPointF at)
{
    const qint64 x = qRound64(at.x() * 64);
    const qint64 y = qRound64(at.y() * 64);
    const auto wholePart = [](qint64 v) { return int(v >= 0 ? v / 64 : -((-v + 63) / 64)); };
    const QPoint whole(wholePart(x), wholePart(y));
    return { whole, int(x - qint64(whole.x()) * 64), int(y - qint64(whole.y()) * 64) };
}

} // namespace

std::shared_ptr<const CoverageCells> TextCoverage::cellsOf(const PlacedGlyph& glyph)
{
    const Placement placement = PlacementOf(glyph.at);
    const Key key(glyph.id, placement.across * 64 + placement.down);
    auto found = cells_.find(key);
    if (found != cells_.end())
        return *found;
    if (cells_.size() >= kMaxGlyphCells)
        cells_.clear();
    const QPointF fraction(placement.across / 64.0, placement.down / 64.0);
    const QRect area = glyph.outlines.boundingRect().translated(fraction).toAlignedRect().adjusted(-1, -1, 1, 1);
    auto cells = std::make_shared<CoverageCells>(area);
    cells->addPath(glyph.outlines, fraction);
    cells_.insert(key, cells);
    return cells;
}

QImage TextCoverage::Of(std::span<const PlacedGlyph> glyphs, QPoint& offset)
{
    std::vector<std::pair<std::shared_ptr<const CoverageCells>, QPoint>> placed;
    placed.reserve(glyphs.size());
    QRect area;
    for (const PlacedGlyph& glyph : glyphs) {
        if (glyph.outlines.isEmpty())
            continue;
        const QPoint whole = PlacementOf(glyph.at).whole;
        std::shared_ptr<const CoverageCells> cells = cellsOf(glyph);
        area |= cells->area().translated(whole);
        placed.emplace_back(std::move(cells), whole);
    }
    offset = area.topLeft();
    if (placed.empty())
        return QImage();
    CoverageCells text(area);
    for (const auto& [cells, whole] : placed)
        text.add(*cells, whole);
    return text.coverage();
}

} // namespace cellaro
