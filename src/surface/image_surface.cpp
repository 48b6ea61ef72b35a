#include "surface/image_surface.h"

#include "surface/twips.h"

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
        painter_->setFont(font_);
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
    QPainter& p = painter();
    p.setPen(ToQColor(ForeColor()));
    const QPointF topLeft(TwipsToPixels(CurrentX()), TwipsToPixels(CurrentY()));
    if (unscaled())
        p.drawStaticText(topLeft, preparedText(text));
    else
        p.drawText(topLeft + QPointF(0, ascent()), text);
}

// The first use of a font loads the font database, which costs more than
// painting a large grid; a picture without texts never needs it.
qreal ImageSurface::ascent()
{
    if (!ascent_)
        ascent_ = QFontMetricsF(font_).ascent();
    return *ascent_;
}

// Laying a text out (shaping it) costs more than drawing its glyphs; the
// prepared layout draws the very same pixels as drawText. The cache holds
// a few screens of texts and starts afresh when it is full.
const QStaticText& ImageSurface::preparedText(const QString& text)
{
    constexpr qsizetype kMaxPreparedTexts = 2048;
    auto found = preparedTexts_.find(text);
    if (found != preparedTexts_.end())
        return *found;
    if (preparedTexts_.size() >= kMaxPreparedTexts)
        preparedTexts_.clear();
    QStaticText prepared(text);
    prepared.setTextFormat(Qt::PlainText);
    prepared.prepare(QTransform(), font_);
    return *preparedTexts_.insert(text, prepared);
}

} // namespace cellaro
