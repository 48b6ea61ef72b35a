// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/drawing_area.h"

#include "surface/twips.h"
#include "window/pixel_image.h"

#include <QPaintEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <utility>

namespace cellaro {

namespace {

// The tool clears to the window's own background.
Colour BackgroundOf(const QWidget& widget)
{
    const QColor colour = widget.palette().color(QPalette::Window);
    return RGB(colour.red(), colour.green(), colour.blue());
}

} // namespace

DrawingArea::DrawingArea(QWidget* parent)
    : QWidget(parent)
    , backing_(std::make_unique<ImageSurface>(1, 1, BackgroundOf(*this), devicePixelRatioF()))
{
    setObjectName(QStringLiteral("DrawingArea"));
    // paintEvent covers the whole area with the screen image.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

DrawingArea::~DrawingArea() = default;

void DrawingArea::setRepaint(std::function<void(FormSurface&)> repaint) { repaint_ = std::move(repaint); }

// What is drawn while the area is hidden is wiped when it is shown (the
// start-up's nested Show draws the whole default list then), so it goes
// nowhere: laying out and filling its texts would only delay the first
// frame.
FormSurface& DrawingArea::surface()
{
    if (!isVisible())
        return hidden_;
    coverArea();
    return *backing_;
}

// The images only grow, so nothing drawn is cut off by a window that
// shrinks and grows again; they follow the screen's pixel ratio.
void DrawingArea::coverArea()
{
    const qreal ratio = devicePixelRatioF();
    const QSize current(backing_->width(), backing_->height());
    const QSize wanted = current.expandedTo(size());
    if (wanted == current && backing_->scale() == ratio && !screen_.isNull())
        return;
    backing_->Resize(wanted.width(), wanted.height(), ratio);
    QImage screen(backing_->pixels().width, backing_->pixels().height, QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    screen.fill(OpaquePixel(backing_->background()));
    QPainter copy(&screen);
    copy.drawImage(QPoint(0, 0), screen_);
    copy.end();
    screen_ = std::move(screen);
    repaintRegion_ = QRegion(rect());
}

void DrawingArea::copyToScreen(const QRegion& region)
{
    QPainter copy(&screen_);
    copy.setClipRegion(region);
    copy.drawImage(QPoint(0, 0), ImageOf(backing_->pixels(), backing_->scale()));
}

void DrawingArea::showDrawn(const QRegion& region)
{
    coverArea();
    copyToScreen(region);
    update(region);
}

void DrawingArea::showAllDrawn() { showDrawn(QRegion(0, 0, backing_->width(), backing_->height())); }

// Exposures reach the top-level window, whose native window exists once it
// is about to be shown.
void DrawingArea::watchExposures()
{
    if (watchingExposures_ || !window()->windowHandle())
        return;
    window()->windowHandle()->installEventFilter(this);
    watchingExposures_ = true;
}

void DrawingArea::repaintRequested(const QRegion& region)
{
    repaintRegion_ += region;
    update(region);
}

bool DrawingArea::eventFilter(QObject* watched, QEvent* event)
{
    QWindow* handle = window()->windowHandle();
    // A window on the screen that is uncovered gets a paint event with the
    // region to repaint; one that comes onto the screen (shown, restored)
    // an expose event, and all of it is repainted.
    if (watched == handle && event->type() == QEvent::Paint)
        repaintRequested(static_cast<QPaintEvent*>(event)->region().translated(-mapTo(window(), QPoint(0, 0))));
    if (watched == handle && event->type() == QEvent::Expose) {
        if (handle->isExposed() && !windowExposed_)
            repaintRequested(rect());
        windowExposed_ = handle->isExposed();
    }
    return QWidget::eventFilter(watched, event);
}

void DrawingArea::showEvent(QShowEvent* event)
{
    // Coming onto the screen the area shows nothing of what was drawn while
    // it was hidden; its first paint repaints the grid.
    watchExposures();
    coverArea();
    backing_->Cls();
    screen_.fill(OpaquePixel(backing_->background()));
    repaintRegion_ = QRegion(rect());
    QWidget::showEvent(event);
}

void DrawingArea::resizeEvent(QResizeEvent* event)
{
    coverArea();
    repaintRegion_ = QRegion(rect());
    QWidget::resizeEvent(event);
}

// A repaint the window system asked for draws the picture anew: the
// surface keeps nothing, so the asked-for region is cleared first and shows
// only what the painter draws now.
void DrawingArea::paintEvent(QPaintEvent* event)
{
    (void)event;
    coverArea();
    if (!repaintRegion_.isEmpty()) {
        const QRegion region = std::exchange(repaintRegion_, QRegion());
        backing_->Cls();
        if (repaint_)
            repaint_(*backing_);
        copyToScreen(region);
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), screen_);
    painter.end();
    emit painted();
}

// A release reaches the area only when the button was pressed over it, or
// was not pressed at all: Qt sends a release to whatever the press began on,
// and presses on the label go to the window, not here.
void DrawingArea::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF position = event->position();
    emit mouseReleased(event->button(), event->modifiers(), float(PixelsToTwips(position.x())),
                       float(PixelsToTwips(position.y())));
}

} // namespace cellaro
