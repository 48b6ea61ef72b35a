// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/image_surface.h"

#include "surface/default_font.h"
#include "surface/twips.h"

#include <algorithm>
#include <cmath>

namespace cellaro {

namespace {

int DeviceSize(int logical, double scale) { return int(std::ceil(logical * scale)); }

} // namespace

ImageSurface::ImageSurface(int width, int height, Colour background, double scale)
    : width_(width)
    , height_(height)
    , background_(background)
    , scale_(scale)
    , pixels_(DeviceSize(width, scale), DeviceSize(height, scale), OpaquePixel(background))
{
}

void ImageSurface::Resize(int width, int height, double scale)
{
    if (scale != scale_) {
        pixels_ = PixelBuffer();
        text_.reset();
    }
    pixels_ = Resized(pixels_, DeviceSize(width, scale), DeviceSize(height, scale), OpaquePixel(background_));
    width_ = width;
    height_ = height;
    scale_ = scale;
}

void ImageSurface::Cls() { std::fill(pixels_.pixels.begin(), pixels_.pixels.end(), OpaquePixel(background_)); }

int ImageSurface::Device(int logical) const { return scale_ == 1.0 ? logical : int(std::lround(logical * scale_)); }

// Logical pixels from (left, top) to (right, bottom), both included.
void ImageSurface::Fill(int left, int top, int right, int bottom, Colour colour)
{
    FillPixels(pixels_, Device(left), Device(top), Device(right + 1) - 1, Device(bottom + 1) - 1, OpaquePixel(colour));
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
            Fill(left, top, right, bottom, outline);
            return;
        }
        if (right - left >= 2 && bottom - top >= 2)
            Fill(left + 1, top + 1, right - 1, bottom - 1, fill);
    }
    Fill(left, top, right, top, outline);
    Fill(left, bottom, right, bottom, outline);
    Fill(left, top, left, bottom, outline);
    Fill(right, top, right, bottom, outline);
}

void ImageSurface::Print(const QString& text)
{
    this->text().Print(pixels_, Device(TwipsToPixels(CurrentX())), Device(TwipsToPixels(CurrentY())), text,
                       OpaquePixel(ForeColor()));
}

TextPainter& ImageSurface::text()
{
    if (!text_)
        text_.emplace(kPictureTextPixels * scale_);
    return *text_;
}

} // namespace cellaro
