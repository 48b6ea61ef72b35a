#include "surface/image_surface.h"

#include "surface/default_font.h"
#include "surface/twips.h"
#include "surface/visible_text.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace cellaro {

QColor ToQColor(Colour colour)
{
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

namespace {

QImage NewImage(QSize logicalSize, qreal devicePixelRatio, const QColor& background)
{
    const QSize devicePixels(int(std::ceil(logicalSize.width() * devicePixelRatio)),
                             int(std::ceil(logicalSize.height() * devicePixelRatio)));
    QImage image(devicePixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(background);
    return image;
}

// What QPainter::fillRect does with an opaque colour on an unscaled 32-bit
// image, written straight into the scanlines: a grid box is a few pixels,
// and the painter's set-up for each call costs more than filling them.
// The raster painter draws immediately into the same pixels, so texts and
// boxes still land in the order they are drawn. Corners are included and
// clipped to the image.
void FillOpaque(QImage& image, int left, int top, int right, int bottom, QRgb colour)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image.width() - 1);
    bottom = std::min(bottom, image.height() - 1);
    if (left > right || top > bottom)
        return;
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* line = reinterpret_cast<QRgb*>(image.bits()) + top * stride;
    for (int y = top; y <= bottom; ++y, line += stride)
        for (int x = left; x <= right; ++x)
            line[x] = colour;
}

// x * a / 255 for each 8-bit channel of x, rounded as the painter's
// blending rounds it.
QRgb ByteMul(QRgb x, uint a)
{
    uint t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080);
    x &= 0xff00ff00;
    return x | t;
}

// Blends the opaque `colour` into the image by the coverage (Alpha8)
// placed at `at`: what filling the outlines with the colour at full
// opacity writes, pixel for pixel.
void BlendCoverage(QImage& image, QPoint at, const QImage& coverage, QRgb colour)
{
    const QRect area = QRect(at, coverage.size()).intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* cover = coverage.constScanLine(y - at.y());
        for (int x = area.left(); x <= area.right(); ++x) {
            const uint a = cover[x - at.x()];
            if (a == 255)
                line[x] = colour;
            else if (a != 0)
                line[x] = ByteMul(colour, a) + ByteMul(line[x], 255 - a);
        }
    }
}

} // namespace

ImageSurface::ImageSurface(QSize logicalSize, QColor background, QFont font,
                           qreal devicePixelRatio)
    : image_(NewImage(logicalSize, devicePixelRatio, background))
    , background_(background)
    , font_(std::move(font))
{
}

ImageSurface::~ImageSurface() { endPainting(); }

QPainter& ImageSurface::painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing);
    }
    return *painter_;
}

void ImageSurface::endPainting() const
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

const QImage& ImageSurface::image() const
{
    endPainting();
    return image_;
}

QSize ImageSurface::logicalSize() const
{
    return (QSizeF(image_.size()) / image_.devicePixelRatio()).toSize();
}

void ImageSurface::Resize(QSize logicalSize, qreal devicePixelRatio)
{
    endPainting();
    QImage grown = NewImage(logicalSize, devicePixelRatio, background_);
    QPainter copy(&grown);
    copy.drawImage(QPoint(0, 0), image_);
    copy.end();
    image_ = std::move(grown);
    // Prepared texts stop at the old width.
    preparedTexts_.clear();
    inkedTexts_.clear();
}

void ImageSurface::Cls()
{
    endPainting();
    image_.fill(background_);
}

bool ImageSurface::unscaled() const
{
    return image_.devicePixelRatio() == 1.0 && image_.format() == QImage::Format_RGB32;
}

void ImageSurface::fillPixels(int left, int top, int right, int bottom, Colour colour)
{
    if (unscaled())
        FillOpaque(image_, left, top, right, bottom, qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour)));
    else
        painter().fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), ToQColor(colour));
}

void ImageSurface::LineBox(float x1, float y1, float x2, float y2, Colour outline)
{
    const int left = TwipsToPixels(std::min(x1, x2));
    const int right = TwipsToPixels(std::max(x1, x2));
    const int top = TwipsToPixels(std::min(y1, y2));
    const int bottom = TwipsToPixels(std::max(y1, y2));

    if (FillStyle() == BoxFill::Solid) {
        const Colour fill = FormSurface::FillColor();
        if (fill == outline) { // one rectangle paints the same pixels
            fillPixels(left, top, right, bottom, outline);
            return;
        }
        if (right - left >= 2 && bottom - top >= 2)
            fillPixels(left + 1, top + 1, right - 1, bottom - 1, fill);
    }
    fillPixels(left, top, right, top, outline);
    fillPixels(left, bottom, right, bottom, outline);
    fillPixels(left, top, left, bottom, outline);
    fillPixels(right, top, right, bottom, outline);
}

void ImageSurface::Print(const QString& text)
{
    const QPoint topLeft(TwipsToPixels(CurrentX()), TwipsToPixels(CurrentY()));
    const QColor colour = ToQColor(ForeColor());
    const QString shown = shownPart(text, logicalSize().width() - topLeft.x());
    if (!unscaled()) {
        painter().fillPath(preparedText(shown).translated(topLeft), colour);
        return;
    }
    const InkedText& inked = inkedText(shown);
    BlendCoverage(image_, topLeft + inked.offset, inked.coverage, colour.rgb());
}

// What of a text is laid out when it starts `room` pixels before the right
// edge (the text itself, shared, when all of it is).
QString ImageSurface::shownPart(const QString& text, int room)
{
    outlines(); // the font is ready to measure
    const QStringView part = VisiblePart(text, font_, room);
    return part.size() == text.size() ? text : part.toString();
}

// A text is filled as the outlines of its glyphs, antialiased by the
// painter: glyph images would come from the font engine, which takes its
// antialiasing and hinter from the machine's font configuration, and the
// picture is to be the same pixels everywhere. The glyph positions are the
// layout's, so a text covers the width it measures. Laying a text out costs
// more than filling it; the cache holds a few screens of texts (a repaint
// prints the same labels, counts and shares again) and starts afresh when
// it is full.
const QPainterPath& ImageSurface::preparedText(const QString& text)
{
    auto found = preparedTexts_.find(text);
    if (found != preparedTexts_.end())
        return *found;
    if (preparedTexts_.size() >= kMaxPreparedTexts)
        preparedTexts_.clear();
    return *preparedTexts_.insert(text, outlines().Of(text, logicalSize().width()));
}

// The first use of a font reads the machine's font configuration, which
// costs more than painting a large grid: a picture without texts never
// pays it. A baseline on a pixel boundary keeps the glyphs' flat bottoms
// sharp.
TextOutlines& ImageSurface::outlines()
{
    if (!outlines_) {
        RegisterDefaultFont();
        outlines_.emplace(font_, std::round(QFontMetricsF(font_).ascent()));
    }
    return *outlines_;
}

// Filling outlines costs many times more than blending pixels. A text's
// coverage (how much of each pixel its outlines cover) is found once, the
// way the painter's antialiased fill finds it but without a painter, and
// every print of it blends its colour by that coverage, as the fill does.
const ImageSurface::InkedText& ImageSurface::inkedText(const QString& text)
{
    auto found = inkedTexts_.find(text);
    if (found != inkedTexts_.end())
        return *found;
    if (inkedTexts_.size() >= kMaxPreparedTexts)
        inkedTexts_.clear();
    InkedText inked;
    const std::vector<PlacedGlyph> glyphs = outlines().Placed(text, logicalSize().width());
    inked.coverage = textCoverage_.Of(glyphs, inked.offset);
    return *inkedTexts_.insert(text, inked);
}

} // namespace cellaro
