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

} // namespace

TrueTypeOutlines::TrueTypeOutlines(QByteArray font)
    : font_(std::move(font))
{
    const qsizetype head = FontTableOffset(font_, "head");
    const qsizetype maxp = FontTableOffset(font_, "maxp");
    loca_ = FontTableOffset(font_, "loca");
    glyf_ = FontTableOffset(font_, "glyf");
    if (head == 0 || maxp == 0 || loca_ == 0 || glyf_ == 0)
        return;
    unitsPerEm_ = FontU16(font_, head + 18);
    longOffsets_ = FontI16(font_, head + 50) == 1;
    glyphCount_ = FontU16(font_, maxp + 4);
}

std::optional<QPainterPath> TrueTypeOutlines::Simple(quint32 glyph, qreal pixelSize) const
{
    if (unitsPerEm_ <= 0 || glyph >= quint32(glyphCount_))
        return std::nullopt;
    const auto offset = [&](quint32 g) {
        return longOffsets_ ? qsizetype(FontU32(font_, loca_ + 4 * qsizetype(g)))
                            : 2 * qsizetype(FontU16(font_, loca_ + 2 * qsizetype(g)));
    };
    const qsizetype start = glyf_ + offset(glyph);
    if (offset(glyph + 1) == offset(glyph))
        return QPainterPath(); // no outline: a space
    const int contours = FontI16(font_, start);
    if (contours < 0)
        return std::nullopt;

    std::vector<int> ends(static_cast<std::size_t>(contours));
    for (int c = 0; c < contours; ++c)
        ends[std::size_t(c)] = FontU16(font_, start + 10 + 2 * c);
    const int count = contours > 0 ? ends.back() + 1 : 0;
    qsizetype at = start + 10 + 2 * contours;
    at += 2 + FontU16(font_, at); // the instructions
    std::vector<std::uint8_t> flags;
    flags.reserve(std::size_t(count));
    while (int(flags.size()) < count && at < font_.size()) {
        const std::uint8_t flag = std::uint8_t(font_[at++]);
        int times = 1;
        if (flag & kRepeat)
            times += std::uint8_t(font_[at++]);
        for (int t = 0; t < times && int(flags.size()) < count; ++t)
            flags.push_back(flag);
    }
    if (int(flags.size()) != count)
        return std::nullopt;
    const auto coordinates = [&](std::uint8_t shortBit, std::uint8_t sameBit) {
        std::vector<std::int64_t> values(static_cast<std::size_t>(count));
        std::int64_t value = 0;
        for (int p = 0; p < count; ++p) {
            const std::uint8_t flag = flags[std::size_t(p)];
            if (flag & shortBit) {
                const int delta = std::uint8_t(font_.at(at++));
                value += (flag & sameBit) ? delta : -delta;
            } else if (!(flag & sameBit)) {
                value += FontI16(font_, at);
                at += 2;
            }
            values[std::size_t(p)] = value;
        }
        return values;
    };
    const std::vector<std::int64_t> xs = coordinates(kShortX, kSameOrPositiveX);
    const std::vector<std::int64_t> ys = coordinates(kShortY, kSameOrPositiveY);
    if (at > font_.size())
        return std::nullopt;

    // Loaded at the font's own size the points are its units in 26.6 fixed
    // point; the engine scales them to the pixel size, then to pixels.
    const std::int64_t size = std::llround(pixelSize * 64);
    const std::int64_t scale = MulDiv(size, 1 << 10, unitsPerEm_);
    const qreal factor = 1 / 64.;
    QPainterPath path;
    int first = 0;
    for (const int end : ends) {
        std::vector<Point> points;
        for (int p = first; p <= end; ++p)
            points.push_back({ QPointF(MulFix(xs[std::size_t(p)] * 64, scale) * factor,
                                       -MulFix(ys[std::size_t(p)] * 64, scale) * factor),
                               bool(flags[std::size_t(p)] & kOnCurve) });
        if (!points.empty())
            AddContour(points, path);
        first = end + 1;
    }
    return path;
}

} // namespace cellaro
