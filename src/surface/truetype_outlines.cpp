#include "surface/truetype_outlines.h"

#include "surface/font_tables.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace cellaro {

namespace {

// FreeType's fixed-point helpers, rounding as it does.
std::int64_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c)
{
    const bool negative = (a < 0) != (b < 0);
    const std::int64_t result = (std::abs(a) * std::abs(b) + c / 2) / c;
    return negative ? -result : result;
}

std::int64_t MulFix(std::int64_t a, std::int64_t b)
{
    const bool negative = (a < 0) != (b < 0);
    const std::int64_t result = (std::abs(a) * std::abs(b) + 0x8000) >> 16;
    return negative ? -result : result;
}

struct Point {
    QPointF at;
    bool onCurve = false;
};

// Glyph flags (the 'glyf' table).
constexpr std::uint8_t kOnCurve = 0x01;
constexpr std::uint8_t kShortX = 0x02;
constexpr std::uint8_t kShortY = 0x04;
constexpr std::uint8_t kRepeat = 0x08;
constexpr std::uint8_t kSameOrPositiveX = 0x10;
constexpr std::uint8_t kSameOrPositiveY = 0x20;

// One contour as the engine turns it into a path: lines between on-curve
// points, a quadratic curve through each off-curve point (two in a row
// have an on-curve point between them), each curve as a cubic.
void AddContour(const std::vector<Point>& points, QPainterPath& path)
{
    const qsizetype last = qsizetype(points.size()) - 1;
    QPointF start = points[0].at;
    qsizetype i = 0;
    if (!points[0].onCurve) { // start on the last point, or between it and the first
        start = points[std::size_t(last)].onCurve ? points[std::size_t(last)].at
                                                  : (points[std::size_t(last)].at + start) / 2.0;
        i = -1; // the first point is then the first control point
    }
    path.moveTo(start);
    QPointF c[4];
    c[0] = start;
    int n = 1;
    while (i < last) {
        ++i;
        c[n] = points[std::size_t(i)].at;
        ++n;
        if (!points[std::size_t(i)].onCurve) {
            if (n < 3)
                continue;
            c[3] = (c[1] + c[2]) / 2;
            c[2] = (2 * c[1] + c[3]) / 3;
            c[1] = (2 * c[1] + c[0]) / 3;
            --i;
        } else if (n == 2) {
            path.lineTo(c[1]);
            c[0] = c[1];
            n = 1;
            continue;
        } else if (n == 3) {
            c[3] = c[2];
            c[2] = (2 * c[1] + c[3]) / 3;
            c[1] = (2 * c[1] + c[0]) / 3;
        }
        path.cubicTo(c[1], c[2], c[3]);
        c[0] = c[3];
        n = 1;
    }
    if (n == 1) {
        path.closeSubpath();
        return;
    }
    c[3] = start;
    if (n == 2) {
        c[2] = (2 * c[1] + c[3]) / 3;
        c[1] = (2 * c[1] + c[0]) / 3;
    }
    path.cubicTo(c[1], c[2], c[3]);
}

// A glyph's bytes read front to back; a read past the glyph's end gives 0
// and marks the reader failed, so a damaged file cannot lead outside it.
class GlyphReader {
public:
    GlyphReader(const QByteArray& font, qsizetype at, qsizetype end) : font_(font), at_(at), end_(end) {}

    std::uint8_t u8() { return take(1) ? std::uint8_t(font_[at_ - 1]) : 0; }
    std::uint16_t u16() { return take(2) ? FontU16(font_, at_ - 2) : 0; }
    std::int16_t i16() { return std::int16_t(u16()); }
    void skip(qsizetype bytes) { take(bytes); }
    bool failed() const { return failed_; }

private:
    bool take(qsizetype bytes)
    {
        if (failed_ || bytes > end_ - at_) {
            failed_ = true;
            return false;
        }
        at_ += bytes;
        return true;
    }

    const QByteArray& font_;
    qsizetype at_;
    qsizetype end_;
    bool failed_ = false;
};

struct SimpleGlyph {
    std::vector<int> contourEnds; // index of each contour's last point, rising
    std::vector<std::uint8_t> flags;
    std::vector<std::int64_t> xs;
    std::vector<std::int64_t> ys;
};

std::optional<std::vector<int>> ReadContourEnds(GlyphReader& in, int contours)
{
    std::vector<int> ends;
    for (int c = 0; c < contours; ++c) {
        const int end = in.u16();
        if (!ends.empty() && end <= ends.back())
            return std::nullopt;
        ends.push_back(end);
    }
    return ends;
}

// Flags with their repeat counts unrolled, one a point.
std::vector<std::uint8_t> ReadFlags(GlyphReader& in, int count)
{
    std::vector<std::uint8_t> flags;
    flags.reserve(std::size_t(count));
    while (int(flags.size()) < count && !in.failed()) {
        const std::uint8_t flag = in.u8();
        const int times = 1 + ((flag & kRepeat) ? in.u8() : 0);
        for (int t = 0; t < times && int(flags.size()) < count; ++t)
            flags.push_back(flag);
    }
    return flags;
}

// One axis of the points: each a byte with its sign in the flag, a repeat of
// the previous value, or a signed 16-bit step.
std::vector<std::int64_t> ReadCoordinates(GlyphReader& in, const std::vector<std::uint8_t>& flags,
                                          std::uint8_t shortBit, std::uint8_t sameBit)
{
    std::vector<std::int64_t> values;
    values.reserve(flags.size());
    std::int64_t value = 0;
    for (const std::uint8_t flag : flags) {
        if (flag & shortBit) {
            const int delta = in.u8();
            value += (flag & sameBit) ? delta : -delta;
        } else if (!(flag & sameBit)) {
            value += in.i16();
        }
        values.push_back(value);
    }
    return values;
}

std::optional<SimpleGlyph> ReadSimpleGlyph(GlyphReader& in)
{
    const int contours = in.i16();
    if (contours < 0)
        return std::nullopt; // composite
    in.skip(8); // the bounding box
    std::optional<std::vector<int>> ends = ReadContourEnds(in, contours);
    if (!ends)
        return std::nullopt;
    in.skip(in.u16()); // the instructions
    SimpleGlyph glyph;
    glyph.contourEnds = std::move(*ends);
    const int count = glyph.contourEnds.empty() ? 0 : glyph.contourEnds.back() + 1;
    glyph.flags = ReadFlags(in, count);
    glyph.xs = ReadCoordinates(in, glyph.flags, kShortX, kSameOrPositiveX);
    glyph.ys = ReadCoordinates(in, glyph.flags, kShortY, kSameOrPositiveY);
    if (in.failed())
        return std::nullopt;
    return glyph;
}

// Loaded at the font's own size the points are its units in 26.6 fixed
// point; the engine scales them to the pixel size, then to pixels.
QPainterPath ScaledPath(const SimpleGlyph& glyph, std::int64_t scale)
{
    const qreal factor = 1 / 64.;
    QPainterPath path;
    std::size_t first = 0;
    for (const int end : glyph.contourEnds) {
        std::vector<Point> points;
        for (std::size_t p = first; p <= std::size_t(end); ++p)
            points.push_back({ QPointF(MulFix(glyph.xs[p] * 64, scale) * factor,
                                       -MulFix(glyph.ys[p] * 64, scale) * factor),
                               bool(glyph.flags[p] & kOnCurve) });
        AddContour(points, path);
        first = std::size_t(end) + 1;
    }
    return path;
}

} // namespace

TrueTypeOutlines::TrueTypeOutlines(QByteArray font)
    : font_(std::move(font))
{
    const qsizetype head = FontTableOffset(font_, "head");
    const qsizetype maxp = FontTableOffset(font_, "maxp");
    loca_ = FontTableOffset(font_, "loca");
    glyf_ = FontTableOffset(font_, "glyf");
    const int unitsPerEm = FontU16(font_, head + 18);
    // Outside this range the file is damaged (and the fixed-point scaling
    // could overflow).
    if (head == 0 || maxp == 0 || loca_ == 0 || glyf_ == 0 || unitsPerEm < 16 || unitsPerEm > 16384)
        return;
    unitsPerEm_ = unitsPerEm;
    longOffsets_ = FontI16(font_, head + 50) == 1;
    glyphCount_ = FontU16(font_, maxp + 4);
}

qsizetype TrueTypeOutlines::glyphOffset(quint32 glyph) const
{
    return glyf_ + (longOffsets_ ? qsizetype(FontU32(font_, loca_ + 4 * qsizetype(glyph)))
                                 : 2 * qsizetype(FontU16(font_, loca_ + 2 * qsizetype(glyph))));
}

std::optional<QPainterPath> TrueTypeOutlines::SimpleGlyphPath(quint32 glyph, qreal pixelSize) const
{
    if (unitsPerEm_ == 0 || glyph >= quint32(glyphCount_))
        return std::nullopt;
    const qsizetype start = glyphOffset(glyph);
    const qsizetype end = glyphOffset(glyph + 1);
    if (end < start || end > font_.size())
        return std::nullopt;
    if (end == start)
        return QPainterPath(); // no outline: a space
    GlyphReader in(font_, start, end);
    const std::optional<SimpleGlyph> read = ReadSimpleGlyph(in);
    if (!read)
        return std::nullopt;
    const std::int64_t size = std::llround(pixelSize * 64);
    return ScaledPath(*read, MulDiv(size, 1 << 10, unitsPerEm_));
}

} // namespace cellaro
