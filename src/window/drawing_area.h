// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's drawing area: a widget behind the controls that covers the
// whole client area and holds the surface the tool draws on.
//
// The surface is the same pixel buffer the renderer draws its pictures in.
// What the tool draws goes into it at once and is copied into the screen
// image for the region it drew, and paintEvent puts the screen image on the
// screen. Like a surface that keeps nothing, the
// area loses what was drawn while it was hidden: the first paintEvent after
// a repaint the window system asks for (first show, expose, uncover,
// resize) clears the surface and has the grid painted anew before that,
// showing the result in the asked-for region only, as a clipped repaint
// would.

#include "surface/image_surface.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <memory>

namespace cellaro {

class DrawingArea : public QWidget {
    Q_OBJECT

public:
    explicit DrawingArea(QWidget* parent);
    ~DrawingArea() override;

    // Draws the picture anew onto the cleared surface when the window
    // system asks for a repaint.
    void setRepaint(std::function<void(FormSurface& surface)> repaint);

    // The surface the tool draws on, covering the whole area; while the area
    // is hidden, one that draws nothing.
    FormSurface& surface();

    // Shows what the tool drew in `region` (logical pixels of the area).
    void showDrawn(const QRegion& region);
    void showAllDrawn();

    // What the area shows, one image pixel per device pixel, at the
    // screen's device pixel ratio.
    const QImage& screenImage() const { return screen_; }

signals:
    // A mouse button was released over the area (not over a control) after
    // it was pressed there, or without a press; x and y in twips.
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float x, float y);
    // A paint event has put the area on the screen.
    void painted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void coverArea();
    void copyToScreen(const QRegion& region);
    void watchExposures();
    void repaintRequested(const QRegion& region);

    std::unique_ptr<ImageSurface> backing_;
    FormSurface hidden_;
    QImage screen_;
    // Logical pixels the window system asked to repaint that have not been
    // repainted yet; the next paint event repaints them.
    QRegion repaintRegion_;
    std::function<void(FormSurface&)> repaint_;
    bool watchingExposures_ = false;
    bool windowExposed_ = false;
};

} // namespace cellaro
