// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real window for tests on the offscreen platform: message boxes are
// answered and recorded instead of shown, paints are counted, and mouse
// buttons are pressed and released over window pixels the way Qt routes
// them (a release goes to whatever the press began on; a widget that
// ignores it passes it to its parent).

#include "window/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QPaintEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>

namespace cellaro::testing {

// The drawing area left of the controls: 639 x 639 logical pixels (twips 0
// to 9585).
inline constexpr int kGridAreaPixels = 639;

inline QColor PixelAt(const QImage& image, QPoint logical)
{
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(qRound(logical.x() * ratio), qRound(logical.y() * ratio));
}

// The window's own background, which its drawing area clears to.
inline QColor WindowBackground() { return QGuiApplication::palette().color(QPalette::Window); }

inline bool GridAreaIsBlank(const QImage& image)
{
    const QRgb background = WindowBackground().rgb();
    const int extent = qRound(kGridAreaPixels * image.devicePixelRatio());
    for (int y = 0; y < extent; ++y)
        for (int x = 0; x < extent; ++x)
            if (image.pixel(x, y) != background)
                return false;
    return true;
}

class WindowFixture {
public:
    explicit WindowFixture(QSize screenPixels = QSize())
    {
        FormServices services;
        services.messageBox = [this](QWidget*, const MessageBoxRequest& request) {
            boxes.append(request);
        };
        if (screenPixels.isValid())
            services.screenPixels = [screenPixels] { return screenPixels; };
        form = std::make_unique<Form1>(services);
        QObject::connect(form.get(), &Form1::surfacePainted, [this] { ++paints; });
    }

    // Shown, active and painted, with the repaints the window system asks
    // for on the way to the screen done.
    bool Show()
    {
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowExposed(form.get()) || !QTest::qWaitFor([this] { return paints > 0; }))
            return false;
        // The window system's own repaint of the new window comes as a paint
        // event already queued, then the area's paint it asks for.
        for (int round = 0; round < 3; ++round)
            QCoreApplication::processEvents();
        return true;
    }

    // A repaint the window system asks for, as when the window is uncovered
    // (by default all of it): the window on the screen gets a paint event.
    bool Expose(QRect area = QRect())
    {
        const int before = paints;
        QPaintEvent uncovered(QRegion(area.isNull() ? QRect(QPoint(0, 0), form->size()) : area));
        QCoreApplication::sendEvent(form->windowHandle(), &uncovered);
        return QTest::qWaitFor([&] { return paints > before; });
    }

    // The Show button pressed with its access key; Show has run when this
    // returns.
    bool PressShow()
    {
        QSignalSpy shown(form.get(), &Form1::listShown);
        QTest::keyClick(form->Text1(), Qt::Key_S, Qt::AltModifier);
        return shown.size() == 1;
    }

    // The Show button clicked; Show has run when this returns.
    bool ClickShow()
    {
        QSignalSpy shown(form.get(), &Form1::listShown);
        form->Command1()->click();
        return shown.size() == 1;
    }

    void Type(const QString& list) { form->Text1()->setPlainText(list); }

    void Paste(const QString& list)
    {
        form->Text1()->clear();
        form->Text1()->setFocus();
        QApplication::clipboard()->setText(list);
        QTest::keyClick(form->Text1(), Qt::Key_V, Qt::ControlModifier);
    }

    // Mouse button presses and releases at a pixel of the client area.
    void PressMouseAt(QPoint pixel)
    {
        pressedOn_ = WidgetAt(pixel);
        QTest::mousePress(pressedOn_, Qt::LeftButton, {}, pressedOn_->mapFrom(form.get(), pixel));
    }

    void ReleaseMouseAt(QPoint pixel)
    {
        QWidget* target = pressedOn_ ? pressedOn_.data() : WidgetAt(pixel);
        pressedOn_ = nullptr;
        QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFrom(form.get(), pixel));
    }

    QImage Image() const { return form->backingImage().copy(); }

    // A release over cell b (x 3000 twips), where the marker answers.
    void ClickGrid() { ReleaseMouseAt(QPoint(200, 46)); }

    std::unique_ptr<Form1> form;
    QList<MessageBoxRequest> boxes;
    int paints = 0;

private:
    QWidget* WidgetAt(QPoint pixel) const
    {
        QWidget* child = form->childAt(pixel);
        return child ? child : form.get();
    }

    QPointer<QWidget> pressedOn_;
};

} // namespace cellaro::testing
