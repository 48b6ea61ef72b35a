#pragma once
// The outlines of a text's glyphs as one path, laid out in a font: what
// QPainterPath::addText gives, built from outlines loaded once per glyph
// (a repaint prints the same few letters and digits again and again), and
// only as far as `width` reaches, so a label of thousands of characters
// costs what its visible part costs.

#include "surface/number_layout.h"
#include "surface/truetype_outlines.h"

#include <QFont>
#include <QHash>
#include <QPainterPath>
#include <QRawFont>
#include <QString>

#include <utility>
#include <vector>

namespace cellaro {

// One glyph's outlines and where the text puts their origin; `id` is the
// same for every print of the same glyph of the same font.
struct PlacedGlyph {
    QPainterPath outlines;
    QPointF at;
    quint64 id = 0;
};

class TextOutlines {
public:
    // Texts are placed with their baseline `baseline` below their top.
    TextOutlines(QFont font, qreal baseline);

    // The glyphs of `text` with its top-left at the origin, leaving out
    // those that start `width` or more to the right.
    std::vector<PlacedGlyph> Placed(const QString& text, qreal width);

    // Their outlines as one path.
    QPainterPath Of(const QString& text, qreal width);

private:
    struct Glyph {
        QPainterPath outlines;
        quint64 id = 0;
    };
    const Glyph& glyph(const QRawFont& font, quint32 index);
    bool isBuiltIn(const QRawFont& font);

    QFont font_;
    qreal baseline_ = 0;
    NumberLayout numbers_;
    QHash<std::pair<QRawFont, quint32>, Glyph> glyphs_;
    // The built-in font's simple glyphs are read from its file.
    TrueTypeOutlines builtIn_;
    QByteArray builtInHead_;
    QHash<QRawFont, bool> fontIsBuiltIn_;
    quint64 lastId_ = 0;
};

} // namespace cellaro
