#include "window/image_surface.h"

#include "window/twips.h"

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

} // namespace

ImageSurface::ImageSurface(QSize logicalSize, QColor background, QFont font,
                           qreal devicePixelRatio)
    : image_(NewImage(logicalSize, devicePixelRatio, background))
    , background_(background)
    , font_(std::move(font))
    , ascent_(QFontMetricsF(font_).ascent())
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

void ImageSurface::fillPixels(int left, int top, int right, int bottom, const QColor& colour)
{
    painter().fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), colour);
}

void ImageSurface::LineBox(float x1, float y1, float x2, float y2, Colour outline)
{
    const int left = TwipsToPixels(std::min(x1, x2));
    const int right = TwipsToPixels(std::max(x1, x2));
    const int top = TwipsToPixels(std::min(y1, y2));
    const int bottom = TwipsToPixels(std::max(y1, y2));
    const QColor edge = ToQColor(outline);

    if (FillStyle() == BoxFill::Solid) {
        const Colour fill = FormSurface::FillColor();
        if (fill == outline) { // one rectangle paints the same pixels
            fillPixels(left, top, right, bottom, edge);
            return;
        }
        if (right - left >= 2 && bottom - top >= 2)
            fillPixels(left + 1, top + 1, right - 1, bottom - 1, ToQColor(fill));
    }
    fillPixels(left, top, right, top, edge);
    fillPixels(left, bottom, right, bottom, edge);
    fillPixels(left, top, left, bottom, edge);
    fillPixels(right, top, right, bottom, edge);
}

void ImageSurface::Print(const QString& text)
{
    QPainter& p = painter();
    p.setPen(ToQColor(ForeColor()));
    const QPointF topLeft(TwipsToPixels(CurrentX()), TwipsToPixels(CurrentY()));
    p.drawText(topLeft + QPointF(0, ascent_), text);
}

} // namespace cellaro
