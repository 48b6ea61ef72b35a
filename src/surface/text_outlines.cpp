#include "surface/text_outlines.h"

#include "surface/default_font.h"
#include "surface/font_tables.h"

#include <QGlyphRun>
#include <QTextLayout>

namespace cellaro {

TextOutlines::TextOutlines(QFont font, qreal baseline)
    : font_(std::move(font))
    , baseline_(baseline)
    , numbers_(font_)
    , builtIn_(DefaultFontData())
{
    const QByteArray data = DefaultFontData();
    if (const qsizetype head = FontTableOffset(data, "head"))
        builtInHead_ = data.mid(head, 54);
}

std::vector<PlacedGlyph> TextOutlines::Placed(const QString& text, qreal width)
{
    std::vector<PlacedGlyph> glyphs;
    if (const std::optional<std::vector<NumberLayout::Glyph>> number = numbers_.Of(text)) {
        const qreal down = baseline_ - numbers_.ascent();
        for (const NumberLayout::Glyph& placed : *number)
            if (placed.at.x() < width) {
                const Glyph& outlines = glyph(numbers_.font(), placed.index);
                glyphs.push_back({ outlines.outlines, QPointF(placed.at.x(), placed.at.y() + down), outlines.id });
            }
        return glyphs;
    }
    QTextLayout layout(text, font_);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    // Glyph positions are on the line's baseline, one line ascent down;
    // letters from a taller fallback font make that ascent larger.
    const qreal down = baseline_ - line.ascent();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i)
            if (positions[i].x() < width) {
                const Glyph& outlines = glyph(font, indexes[i]);
                glyphs.push_back({ outlines.outlines, QPointF(positions[i].x(), positions[i].y() + down), outlines.id });
            }
    }
    return glyphs;
}

QPainterPath TextOutlines::Of(const QString& text, qreal width)
{
    QPainterPath outlines;
    for (const PlacedGlyph& placed : Placed(text, width))
        outlines.addPath(placed.outlines.translated(placed.at));
    return outlines;
}

// Loading an outline runs the font's hinting program; once per glyph is enough.
const TextOutlines::Glyph& TextOutlines::glyph(const QRawFont& font, quint32 index)
{
    constexpr qsizetype kMaxGlyphs = 4096;
    const std::pair<QRawFont, quint32> key(font, index);
    auto found = glyphs_.find(key);
    if (found != glyphs_.end())
        return *found;
    if (glyphs_.size() >= kMaxGlyphs)
        glyphs_.clear();
    std::optional<QPainterPath> outlines;
    if (isBuiltIn(font))
        outlines = builtIn_.SimpleGlyphPath(index, font.pixelSize());
    return *glyphs_.insert(key, Glyph { outlines ? *outlines : font.pathForGlyph(index), ++lastId_ });
}

// Whether the font is the built-in one as it is (no synthetic bold or
// slant): its header, with the file's checksum and dates, is the same.
bool TextOutlines::isBuiltIn(const QRawFont& font)
{
    auto found = fontIsBuiltIn_.find(font);
    if (found == fontIsBuiltIn_.end())
        found = fontIsBuiltIn_.insert(font, font.weight() == QFont::Normal && font.style() == QFont::StyleNormal
                                                && !builtInHead_.isEmpty() && font.fontTable("head") == builtInHead_);
    return *found;
}

} // namespace cellaro
