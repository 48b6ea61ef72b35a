#include "render/svg_surface.h"

#include "surface/default_font.h"
#include "surface/image_surface.h"
#include "surface/product.h"
#include "surface/twips.h"
#include "surface/visible_text.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace cellaro {

namespace {

// Twips are 1/1440 inch: at this resolution a font's point size turns into
// the right height in twips, and the physical size matches 96 dpi pixels.
constexpr int kTwipsPerInch = 1440;

bool IsXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF)
        || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// The font at the size it has on the window, in twips: the SVG's texts are
// as large as the window's. A point size would be scaled by the SVG's 1440
// dpi before the font is rounded to whole pixels, and come out smaller.
// Without merging: the generator writes one <text> per font a text's glyphs
// come from, and the SVG's viewer finds fallback glyphs by itself.
QFont SvgFont(QFont font)
{
    font.setPixelSize(QFontInfo(font).pixelSize() * kTwipsPerPixel);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace

QString XmlSafeText(const QString& text)
{
    QString safe;
    safe.reserve(text.size());
    for (char32_t c : text.toUcs4())
        safe.append(QString::fromUcs4(IsXmlCharacter(c) ? &c : U"\uFFFD", 1));
    return safe;
}

SvgSurface::SvgSurface(QIODevice* output, QSize twips, QColor background, QFont font)
    : area_(QPointF(0, 0), QSizeF(twips))
    , background_(background)
    , font_(std::move(font))
{
    generator_.setOutputDevice(output);
    generator_.setResolution(kTwipsPerInch);
    generator_.setSize(twips);
    generator_.setViewBox(area_);
    generator_.setTitle(QString::fromUtf8(kProductName));
    generator_.setDescription(QStringLiteral("Colour grid"));
    painter_.begin(&generator_);
    fillBackground();
}

SvgSurface::~SvgSurface() { finish(); }

void SvgSurface::finish()
{
    if (painter_.isActive())
        painter_.end();
}

void SvgSurface::fillBackground()
{
    painter_.fillRect(area_, background_);
    blank_ = true;
}

void SvgSurface::Cls()
{
    // A later rect covers all before it; one background rect is enough.
    if (!blank_)
        fillBackground();
}

void SvgSurface::LineBox(float x1, float y1, float x2, float y2, Colour outline)
{
    // The outline is one pixel wide, as on the window.
    QPen pen(ToQColor(outline), kTwipsPerPixel, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter_.setPen(pen);
    if (FillStyle() == BoxFill::Solid)
        painter_.setBrush(ToQColor(FormSurface::FillColor()));
    else
        painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
                             QPointF(std::max(x1, x2), std::max(y1, y2))));
    blank_ = false;
}

void SvgSurface::Print(const QString& text)
{
    painter_.setPen(ToQColor(ForeColor()));
    // The current position is the text's top-left; drawText takes the baseline.
    const qreal baseline = CurrentY() + ascent();
    // Only what can show is written: a label may be megabytes long.
    const qreal room = (area_.right() - CurrentX()) / kTwipsPerPixel;
    const QStringView part = VisiblePart(text, font_, room);
    painter_.drawText(QPointF(CurrentX(), baseline), XmlSafeText(part.size() == text.size() ? text : part.toString()));
    blank_ = false;
}

// The font is first looked at for the first text: reading the machine's
// font configuration costs more than writing a large grid without texts.
// The baseline is where the window's image puts it.
qreal SvgSurface::ascent()
{
    if (!ascent_) {
        RegisterDefaultFont();
        painter_.setFont(SvgFont(font_));
        ascent_ = std::round(QFontMetricsF(font_).ascent()) * kTwipsPerPixel;
    }
    return *ascent_;
}

} // namespace cellaro
