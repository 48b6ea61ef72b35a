#include "surface/default_font_coverage.h"

#include "surface/default_font.h"
#include "surface/font_tables.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace cellaro {

namespace {

// The Windows Unicode BMP subtable (platform 3, encoding 1, format 4), the
// one the font engine reads for such a font.
std::optional<qsizetype> UnicodeSubtable(const QByteArray& font)
{
    const qsizetype cmap = FontTableOffset(font, "cmap");
    if (cmap == 0)
        return std::nullopt;
    const int subtables = FontU16(font, cmap + 2);
    for (int i = 0; i < subtables; ++i) {
        const qsizetype record = cmap + 4 + 8 * qsizetype(i);
        const qsizetype subtable = cmap + qsizetype(FontU32(font, record + 4));
        if (FontU16(font, record) == 3 && FontU16(font, record + 2) == 1 && FontU16(font, subtable) == 4)
            return subtable;
    }
    return std::nullopt;
}

// A format 4 character map: segments of codes, each with its glyph
// numbers given by a delta or an array.
class CharacterMap {
public:
    explicit CharacterMap(QByteArray font)
        : font_(std::move(font))
    {
        if (const std::optional<qsizetype> subtable = UnicodeSubtable(font_)) {
            segments_ = FontU16(font_, *subtable + 6) / 2;
            ends_ = *subtable + 14;
        }
    }

    bool HasGlyph(char32_t code) const
    {
        if (code > 0xFFFF)
            return false;
        // The first segment whose end is at or after the code.
        int low = 0;
        int high = segments_;
        while (low < high) {
            const int middle = (low + high) / 2;
            if (FontU16(font_, ends_ + 2 * middle) < code)
                low = middle + 1;
            else
                high = middle;
        }
        if (low == segments_)
            return false;
        const qsizetype starts = ends_ + 2 * segments_ + 2;
        const qsizetype deltas = starts + 2 * segments_;
        const qsizetype rangeOffsets = deltas + 2 * segments_;
        const std::uint16_t start = FontU16(font_, starts + 2 * low);
        if (code < start)
            return false;
        const std::uint16_t delta = FontU16(font_, deltas + 2 * low);
        const qsizetype rangeOffsetAt = rangeOffsets + 2 * low;
        const std::uint16_t rangeOffset = FontU16(font_, rangeOffsetAt);
        if (rangeOffset == 0)
            return std::uint16_t(code + delta) != 0;
        const std::uint16_t glyph = FontU16(font_, rangeOffsetAt + rangeOffset + 2 * qsizetype(code - start));
        return glyph != 0 && std::uint16_t(glyph + delta) != 0;
    }

private:
    QByteArray font_;
    int segments_ = 0;
    qsizetype ends_ = 0;
};

const CharacterMap& DefaultFontMap()
{
    static const CharacterMap map(DefaultFontData());
    return map;
}

} // namespace

bool DefaultFontCovers(QStringView text)
{
    const CharacterMap& map = DefaultFontMap();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isSurrogate() || !map.HasGlyph(c.unicode()))
            return false;
    }
    return true;
}

} // namespace cellaro
