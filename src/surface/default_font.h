// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cellaro's own default font: Liberation Sans Regular, built into the
// binaries, so the picture's texts are the same pixels on every machine
// whatever fonts it has. The window's controls use it at 8 pt too.

#include <QByteArray>
#include <QResource>
#include <QString>

#include <span>

namespace cellaro {

// The picture's texts: 8 pt at 96 dots per inch, to whole pixels as the
// window's font is, on a picture of one pixel per 15 twips.
inline constexpr double kPictureTextPixels = 11;

inline QString DefaultFontFamily() { return QStringLiteral("Liberation Sans"); }

// The bytes of the built-in font's file, which live as long as the program
// (where the resource keeps them, unless it is compressed).
inline std::span<const char> DefaultFontBytes()
{
    static const QByteArray bytes
        = QResource(QStringLiteral(":/cellaro/fonts/LiberationSans-Regular.ttf")).uncompressedData();
    return { bytes.constData(), std::size_t(bytes.size()) };
}

} // namespace cellaro
