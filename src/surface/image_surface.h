// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A surface that draws into a pixel buffer at 15 twips per pixel: the
// picture of the window's drawing area and of the renderer alike. At a
// scale above 1 (a HiDPI screen) a logical pixel is `scale` device pixels
// across and down, and texts are drawn from their outlines at that size.

#include "surface/form_surface.h"
#include "surface/pixel_buffer.h"
#include "surface/text_painter.h"

#include <optional>

namespace cellaro {

class ImageSurface : public FormSurface {
public:
    // `width` and `height` are logical pixels.
    ImageSurface(int width, int height, Colour background, double scale = 1.0);

    void Cls() override;
    void LineBox(float x1, float y1, float x2, float y2, Colour outline) override;
    void Print(const QString& text) override;

    // One buffer pixel per device pixel.
    const PixelBuffer& pixels() const { return pixels_; }
    double scale() const { return scale_; }
    int width() const { return width_; }
    int height() const { return height_; }
    Colour background() const { return background_; }
    // The picture, for a surface that draws no more.
    PixelBuffer TakePixels() { return std::move(pixels_); }

    // Grows or shrinks the picture, keeping what is drawn where it is; new
    // area is background. A new scale starts the picture afresh.
    void Resize(int width, int height, double scale);

private:
    // The device pixel where logical pixel `logical` begins.
    int Device(int logical) const;
    void Fill(int left, int top, int right, int bottom, Colour colour);
    TextPainter& text();

    int width_;
    int height_;
    Colour background_;
    double scale_;
    PixelBuffer pixels_;
    // Made for the first text: a picture without texts opens no font.
    std::optional<TextPainter> text_;
};

} // namespace cellaro
