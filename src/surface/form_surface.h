// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing surface the parser, the painter and the marker draw through:
// a clear, a box with an outline colour, a text at the current position, and
// the drawing settings (text colour, fill colour and fill style) that stay
// set until changed. Coordinates are twips from the top-left of the window's
// client area, handed over in single precision.
//
// This base class keeps the settings and draws nothing, which makes it the
// null surface too. The recording surface logs every operation for tests;
// the image surface draws into a QImage for the window and the renderer.

#include "surface/colour.h"

#include <QString>

namespace cellaro {

// The surface's FillStyle setting: 0 solid, 1 transparent.
enum class BoxFill : int { Solid = 0, Transparent = 1 };

class FormSurface {
public:
    virtual ~FormSurface() = default;

    // Clears the whole surface to the background colour.
    virtual void Cls() {}
    // A box between two corners (both included), outlined in `outline`,
    // filled with FillColor() when FillStyle() is solid.
    virtual void LineBox(float x1, float y1, float x2, float y2, Colour outline)
    {
        (void)x1, (void)y1, (void)x2, (void)y2, (void)outline;
    }
    // One text with its top-left corner at (CurrentX, CurrentY), in ForeColor.
    virtual void Print(const QString& text) { (void)text; }

    virtual void SetCurrentX(float x) { currentX_ = x; }
    virtual void SetCurrentY(float y) { currentY_ = y; }
    virtual void SetForeColor(Colour colour) { foreColor_ = colour; }
    virtual void SetFillColor(Colour colour) { fillColor_ = colour; }
    virtual void SetFillStyle(BoxFill style) { fillStyle_ = style; }

    float CurrentX() const { return currentX_; }
    float CurrentY() const { return currentY_; }
    Colour ForeColor() const { return foreColor_; }
    virtual Colour FillColor() const { return fillColor_; }
    BoxFill FillStyle() const { return fillStyle_; }

private:
    float currentX_ = 0;
    float currentY_ = 0;
    Colour foreColor_ = 0;
    Colour fillColor_ = 0;
    // A new surface draws boxes as outlines only.
    BoxFill fillStyle_ = BoxFill::Transparent;
};

} // namespace cellaro
