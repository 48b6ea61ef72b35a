#include "surface/visible_text.h"

#include <QFontMetricsF>
#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace cellaro {

namespace {

// Texts this short are laid out whole: every label, count and share of an
// ordinary list.
constexpr qsizetype kAlwaysWhole = 256;

// How far past the edge the kept part reaches: half the room again and some
// pixels more, against kerning and shaping that make a text narrower than
// the sum of its graphemes' own widths.
qreal Reach(qreal room) { return std::max(room, 0.0) * 1.5 + 64; }

enum class Direction { None, LeftToRight, Other };

// The direction of the first character that has one, and whether any
// character of `part` is right to left or an explicit direction mark.
Direction FirstDirection(QStringView part, bool& rightToLeftSeen)
{
    Direction first = Direction::None;
    rightToLeftSeen = false;
    for (const char32_t c : part.toUcs4()) {
        switch (QChar::direction(c)) {
        case QChar::DirL:
            if (first == Direction::None)
                first = Direction::LeftToRight;
            break;
        case QChar::DirR: case QChar::DirAL: case QChar::DirLRE: case QChar::DirLRO:
        case QChar::DirRLE: case QChar::DirRLO: case QChar::DirPDF: case QChar::DirLRI:
        case QChar::DirRLI: case QChar::DirFSI: case QChar::DirPDI:
            if (first == Direction::None)
                first = Direction::Other;
            rightToLeftSeen = true;
            break;
        default:
            break;
        }
    }
    return first;
}

// Whether a cut after `kept` moves no glyph of it: the paragraph is left to
// right (its first letter with a direction is, or it has none) and `kept`
// holds nothing that is laid out right to left.
bool CutKeepsLayout(QStringView kept, QStringView rest)
{
    bool rightToLeft = false;
    const Direction direction = FirstDirection(kept, rightToLeft);
    if (rightToLeft)
        return false;
    if (direction == Direction::LeftToRight)
        return true;
    bool ignored = false;
    return FirstDirection(rest, ignored) != Direction::Other;
}

} // namespace

QStringView VisiblePart(QStringView text, const QFont& font, qreal room)
{
    if (text.size() <= kAlwaysWhole)
        return text;
    const QFontMetricsF metrics(font);
    const qreal reach = Reach(room);
    // A grapheme takes at least part of a pixel: more of them than pixels
    // of reach cannot all be narrow enough to matter.
    const qsizetype maxGraphemes = qsizetype(reach) + kAlwaysWhole;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    qreal width = 0;
    qsizetype end = 0;
    for (qsizetype count = 0; count < maxGraphemes && width <= reach; ++count) {
        const qsizetype next = graphemes.toNextBoundary();
        if (next < 0)
            return text;
        width += metrics.horizontalAdvance(text.sliced(end, next - end).toString());
        end = next;
    }
    const QStringView kept = text.first(end);
    return CutKeepsLayout(kept, text.sliced(end)) ? kept : text;
}

} // namespace cellaro
