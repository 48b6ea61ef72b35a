// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/control_twips.h"

#include "window/form_geometry.h"
#include "surface/twips.h"

#include <QWidget>

namespace cellaro {

namespace {

float Twips(int pixels) { return float(PixelsToTwips(pixels)); }

} // namespace

float ControlTwips::Left() const { return Twips(control_.x()); }
float ControlTwips::Top() const { return Twips(control_.y()); }
float ControlTwips::Width() const { return Twips(control_.width()); }
float ControlTwips::Height() const { return Twips(control_.height()); }

void ControlTwips::SetLeft(float twips) { control_.move(TwipsToPixels(twips), control_.y()); }
void ControlTwips::SetTop(float twips) { control_.move(control_.x(), TwipsToPixels(twips)); }
void ControlTwips::SetWidth(float twips) { control_.resize(TwipsToPixels(twips), control_.height()); }
void ControlTwips::SetHeight(float twips) { control_.resize(control_.width(), TwipsToPixels(twips)); }

QMargins FrameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

float OuterLeftTwips(const QWidget& window) { return Twips(window.frameGeometry().x()); }
float OuterTopTwips(const QWidget& window) { return Twips(window.frameGeometry().y()); }
float OuterWidthTwips(const QWidget& window) { return Twips(window.frameGeometry().width()); }
float OuterHeightTwips(const QWidget& window) { return Twips(window.frameGeometry().height()); }

// A top-level widget's move() places its frame.
void WindowTwips::SetLeft(float twips) { window_.move(TwipsToPixels(twips), window_.frameGeometry().y()); }
void WindowTwips::SetTop(float twips) { window_.move(window_.frameGeometry().x(), TwipsToPixels(twips)); }

void WindowTwips::SetWidth(float twips)
{
    const QSize client = ClientPixelsFor(twips, Height(), FrameMargins(window_));
    window_.resize(client.width(), window_.height());
}

void WindowTwips::SetHeight(float twips)
{
    const QSize client = ClientPixelsFor(Width(), twips, FrameMargins(window_));
    window_.resize(window_.width(), client.height());
}

} // namespace cellaro
