#pragma once
// The window's look where the tool sets nothing: its background colour
// (the toolkit's) and the font of the picture's texts (Cellaro's default
// font). The window's backing image and the command-line renderer both take
// them from here, so they draw alike.

#include "surface/default_font.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace cellaro {

inline QColor WindowBackground() { return QGuiApplication::palette().color(QPalette::Window); }

// The picture's texts: the default font placed by the font's own advances.
// Hinted advances follow the machine's font configuration (its hinter,
// antialiasing on or off), and the picture is to be the same pixels
// everywhere. A description only: the surfaces register the font before
// their first text.
inline QFont WindowFont()
{
    QFont font = DefaultFont();
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace cellaro
