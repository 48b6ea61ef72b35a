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

// The direction of the character starting at `i`, which then steps past it
// (both halves of a surrogate pair).
QChar::Direction NextDirection(QStringView text, qsizetype& i)
{
    const QChar first = text[i++];
    if (first.isHighSurrogate() && i < text.size() && text[i].isLowSurrogate())
        return QChar::direction(QChar::surrogateToUcs4(first, text[i++]));
    return first.direction();
}

bool IsRightToLeftOrMark(QChar::Direction direction)
{
    switch (direction) {
    case QChar::DirR: case QChar::DirAL: case QChar::DirLRE: case QChar::DirLRO:
    case QChar::DirRLE: case QChar::DirRLO: case QChar::DirPDF: case QChar::DirLRI:
    case QChar::DirRLI: case QChar::DirFSI: case QChar::DirPDI:
        return true;
    default:
        return false;
    }
}

// Whether the first character of `text` that has a direction of its own is
// right to left or an explicit direction mark.
bool StartsRightToLeft(QStringView text)
{
    for (qsizetype i = 0; i < text.size();) {
        const QChar::Direction direction = NextDirection(text, i);
        if (direction == QChar::DirL)
            return false;
        if (IsRightToLeftOrMark(direction))
            return true;
    }
    return false;
}

bool HasRightToLeft(QStringView text)
{
    for (qsizetype i = 0; i < text.size();)
        if (IsRightToLeftOrMark(NextDirection(text, i)))
            return true;
    return false;
}

// Whether a cut after `kept` moves no glyph of it: the paragraph is left to
// right (its first letter with a direction is, or it has none) and `kept`
// holds nothing that is laid out right to left.
bool CutKeepsLayout(QStringView kept, QStringView rest)
{
    return !HasRightToLeft(kept) && !StartsRightToLeft(rest);
}

} // namespace

QStringView VisiblePart(QStringView text, const QFont& font, qreal room)
{
    if (text.size() <= kAlwaysWhole)
        return text;
    const QFontMetricsF metrics(font);
    const qreal reach = Reach(room);
    // A grapheme with any width takes at least part of a pixel: more of them
    // than pixels of reach cannot all be narrow enough to matter. Those with
    // none (a zero-width space, a soft hyphen) do not count.
    const qsizetype maxGraphemes = qsizetype(reach) + kAlwaysWhole;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    qreal width = 0;
    qsizetype end = 0;
    for (qsizetype count = 0; count < maxGraphemes && width <= reach;) {
        const qsizetype next = graphemes.toNextBoundary();
        if (next < 0)
            return text;
        const qreal advance = metrics.horizontalAdvance(text.sliced(end, next - end).toString());
        width += advance;
        count += advance > 0 ? 1 : 0;
        end = next;
    }
    const QStringView kept = text.first(end);
    return CutKeepsLayout(kept, text.sliced(end)) ? kept : text;
}

} // namespace cellaro
