// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The PNG file around an already compressed image: signature, header,
// palette, resolution, texts, the image data, the end, each chunk with its
// CRC.

#include "surface/pixel_buffer.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

namespace cellaro {

// Keyword ("Software", "Description") and text: a Latin-1 text is written
// as tEXt, any other as UTF-8 in iTXt.
using PngTexts = QList<std::pair<QByteArray, QString>>;

struct PngHeader {
    int width = 0;
    int height = 0;
    QList<Pixel> palette;   // indexed colour when not empty, else 8-bit RGB
    int dotsPerMeterX = 0;  // the resolution is written when both are above 0
    int dotsPerMeterY = 0;
    PngTexts texts;
};

// `zlibStream` holds the filtered rows the header describes.
QByteArray PngFile(const PngHeader& header, const QByteArray& zlibStream);

} // namespace cellaro
