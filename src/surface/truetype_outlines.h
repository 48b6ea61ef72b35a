#pragma once
// The outlines of a TrueType font's simple glyphs read from the font file,
// as the font engine gives them for QRawFont::pathForGlyph: the points in
// the font's units, scaled to the pixel size with the engine's fixed-point
// rounding, the quadratic curves as the same cubics. The engine loads each
// glyph at the font's own size with the font's hinting program run, which
// at that size moves no point of these glyphs but costs some 130K
// instructions a glyph. Composite glyphs (accented letters built of
// others) are left to the engine.

#include <QByteArray>
#include <QPainterPath>

#include <optional>

namespace cellaro {

class TrueTypeOutlines {
public:
    explicit TrueTypeOutlines(QByteArray font);

    // The glyph's outlines at `pixelSize`, with its origin at (0, 0) and y
    // down; nothing for a composite glyph, one the file does not hold or a
    // damaged one.
    std::optional<QPainterPath> SimpleGlyphPath(quint32 glyph, qreal pixelSize) const;

private:
    // Where the glyph's bytes start in the file (glyph + 1: where they end).
    qsizetype glyphOffset(quint32 glyph) const;

    QByteArray font_;
    int unitsPerEm_ = 0;
    bool longOffsets_ = false;
    int glyphCount_ = 0;
    qsizetype loca_ = 0;
    qsizetype glyf_ = 0;
};

} // namespace cellaro
