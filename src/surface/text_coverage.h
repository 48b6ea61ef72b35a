#pragma once
// The coverage of a text from its placed glyphs. A glyph's cells depend
// only on its outlines and on where it falls within a pixel (the layout
// places glyphs in 64ths of a pixel), so each glyph is flattened and
// accumulated once per such fraction and its cells are added, by whole
// pixels, wherever it recurs: a picture prints the same digits and
// letters hundreds of times.

#include "surface/path_coverage.h"
#include "surface/text_outlines.h"

#include <QHash>
#include <QImage>
#include <QPoint>

#include <memory>
#include <span>
#include <utility>

namespace cellaro {

class TextCoverage {
public:
    // The coverage of the glyphs over the pixels they ink with one pixel
    // to spare; `offset` is set to that area's top-left. Null when no
    // glyph has outlines.
    QImage Of(std::span<const PlacedGlyph> glyphs, QPoint& offset);

private:
    using Key = std::pair<quint64, int>; // glyph; 64ths of a pixel across, times 64, and down
    std::shared_ptr<const CoverageCells> cellsOf(const PlacedGlyph& glyph);

    QHash<Key, std::shared_ptr<const CoverageCells>> cells_;
};

} // namespace cellaro
