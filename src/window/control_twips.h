// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Positions and sizes of the window and its controls in twips, the unit the
// start-up layout is written in. Controls are measured in the window's
// client area; the window's own Left and Top place its frame on the screen
// and its Width and Height are the outer size, frame included.

#include <QMargins>

class QWidget;

namespace cellaro {

class ControlTwips {
public:
    explicit ControlTwips(QWidget& control) : control_(control) {}

    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;

    void SetLeft(float twips);
    void SetTop(float twips);
    void SetWidth(float twips);
    void SetHeight(float twips);

private:
    QWidget& control_;
};

// The frame the platform reports around a top-level widget, in pixels; empty
// while it reports none (before the native window exists, or without a
// window manager).
QMargins FrameMargins(const QWidget& window);

// The window's outer geometry in twips: Left and Top of its frame, Width
// and Height of the frame's outside.
float OuterLeftTwips(const QWidget& window);
float OuterTopTwips(const QWidget& window);
float OuterWidthTwips(const QWidget& window);
float OuterHeightTwips(const QWidget& window);

class WindowTwips {
public:
    explicit WindowTwips(QWidget& window) : window_(window) {}

    float Left() const { return OuterLeftTwips(window_); }
    float Top() const { return OuterTopTwips(window_); }
    float Width() const { return OuterWidthTwips(window_); }
    float Height() const { return OuterHeightTwips(window_); }

    void SetLeft(float twips);
    void SetTop(float twips);
    void SetWidth(float twips);
    void SetHeight(float twips);

private:
    QWidget& window_;
};

} // namespace cellaro
