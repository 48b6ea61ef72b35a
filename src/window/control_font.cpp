// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/control_font.h"

#include "surface/default_font.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace cellaro {

namespace {

void RegisterDefaultFont()
{
    static const bool registered = [] {
        const std::span<const char> bytes = DefaultFontBytes();
        const int id = QFontDatabase::addApplicationFontFromData(
            QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())));
        if (!QFontDatabase::applicationFontFamilies(id).contains(DefaultFontFamily())) {
            qCritical("Cellaro: the built-in font could not be registered");
            return false;
        }
        return true;
    }();
    (void)registered;
}

} // namespace

QFont DefaultFont()
{
    QFont font(DefaultFontFamily());
    font.setPointSizeF(8);
    // Whole-pixel advances: ">=" then takes 12 pixels, the width of the
    // label that shows it. The hinting the machine's font configuration
    // asks for (often slight, with the font's own fractional advances)
    // would make it 13.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont UseDefaultFont()
{
    RegisterDefaultFont();
    const QFont font = DefaultFont();
    QGuiApplication::setFont(font);
    return font;
}

} // namespace cellaro
