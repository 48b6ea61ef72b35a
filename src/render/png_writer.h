// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PNG encoding of a rendered picture with no image-format plugins: the
// renderer's own deflate (DeflateRows: matches to the pixel on the left and
// the one above, fixed codes), a tenth of zlib's time for files of about
// the same size, and a palette when the picture has at most 256 colours (a
// grid without texts). bench/png_candidates.cpp measured it against the
// toolkit's writer and libpng's filters and zlib levels.

#include "render/png_chunks.h"
#include "surface/pixel_buffer.h"

#include <QByteArray>

namespace cellaro {

// At most 256 colours: one palette byte a pixel instead of three.
enum class PaletteUse { WhenFewColours, Never };

// The picture's pixels as an opaque 8-bit PNG at 96 dots per inch, the
// resolution of the screen pixels it stands for, with `texts` saying what
// it shows.
QByteArray EncodePng(const PixelBuffer& image, PaletteUse palette = PaletteUse::WhenFewColours,
                     const PngTexts& texts = {});

} // namespace cellaro
