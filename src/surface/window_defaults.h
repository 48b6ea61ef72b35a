#pragma once
// The look the tool leaves at the toolkit's defaults: the window's
// background colour and font. The window's backing image and the
// command-line renderer both take them from here, so they draw alike.

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace cellaro {

inline QColor WindowBackground() { return QGuiApplication::palette().color(QPalette::Window); }

inline QFont WindowFont() { return QGuiApplication::font(); }

} // namespace cellaro
