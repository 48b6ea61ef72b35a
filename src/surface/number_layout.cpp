#include "surface/number_layout.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QTextLayout>

namespace cellaro {

namespace {

// Every ordered pair of the characters, each pair side by side at least
// once: a b for every a and b, one after another.
QString EveryPair(std::u16string_view characters)
{
    QString text;
    for (const char16_t a : characters)
        for (const char16_t b : characters)
            text.append(QChar(a)).append(QChar(b));
    return text;
}

} // namespace

int NumberLayout::IndexOf(char16_t c)
{
    const std::size_t at = kCharacters.find(c);
    return at == std::u16string_view::npos ? -1 : int(at);
}

NumberLayout::NumberLayout(QFont font)
    : layoutFont_(std::move(font))
{
}

void NumberLayout::learn()
{
    tried_ = true;
    // Text with no letter takes the application's direction, which the
    // steps would not follow.
    if (QGuiApplication::layoutDirection() != Qt::LeftToRight)
        return;
    const QString text = EveryPair(kCharacters);
    QTextLayout layout(text, layoutFont_);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || runs.first().glyphIndexes().size() != text.size())
        return;
    const QList<quint32> indexes = runs.first().glyphIndexes();
    const QList<QPointF> positions = runs.first().positions();
    std::array<std::array<bool, kCount>, kCount> seen {};
    std::array<bool, kCount> glyphSeen {};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int a = IndexOf(text[i].unicode());
        if (indexes[i] == 0 || (glyphSeen[a] && glyphs_[a] != indexes[i]) || positions[i].y() != positions[0].y())
            return;
        glyphSeen[a] = true;
        glyphs_[a] = indexes[i];
        if (i + 1 == text.size())
            break;
        const int b = IndexOf(text[i + 1].unicode());
        const qreal step = positions[i + 1].x() - positions[i].x();
        if (seen[a][b] && steps_[a][b] != step)
            return;
        seen[a][b] = true;
        steps_[a][b] = step;
    }
    font_ = runs.first().rawFont();
    ascent_ = line.ascent();
    first_ = positions[0];
    learned_ = true;
}

std::optional<std::vector<NumberLayout::Glyph>> NumberLayout::Of(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text)
        if (IndexOf(c.unicode()) < 0)
            return std::nullopt;
    if (!tried_)
        learn();
    if (!learned_)
        return std::nullopt;
    std::vector<Glyph> glyphs;
    glyphs.reserve(std::size_t(text.size()));
    QPointF at = first_;
    int previous = -1;
    for (const QChar c : text) {
        const int index = IndexOf(c.unicode());
        if (previous >= 0)
            at.rx() += steps_[previous][index];
        glyphs.push_back({ glyphs_[index], at });
        previous = index;
    }
    return glyphs;
}

} // namespace cellaro
