// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture's pixel buffer seen as an image, without a copy: the buffer's
// pixels are laid out as an RGB32 image's. The image is valid while the
// buffer is neither changed in size nor destroyed.

#include "surface/pixel_buffer.h"

#include <QImage>

namespace cellaro {

inline QImage ImageOf(const PixelBuffer& pixels, double devicePixelRatio = 1.0)
{
    QImage image(reinterpret_cast<const uchar*>(pixels.pixels.data()), pixels.width, pixels.height,
                 qsizetype(pixels.width) * qsizetype(sizeof(Pixel)), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

} // namespace cellaro
