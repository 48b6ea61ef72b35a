// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "libpng_encoder.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>

namespace cellaro::bench {

namespace {

int LibpngFilter(PngFilter filter)
{
    switch (filter) {
    case PngFilter::None: return PNG_FILTER_NONE;
    case PngFilter::Sub: return PNG_FILTER_SUB;
    case PngFilter::Up: return PNG_FILTER_UP;
    case PngFilter::Paeth: return PNG_FILTER_PAETH;
    }
    return PNG_FILTER_NONE;
}

void AppendBytes(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data),
                                                           qsizetype(length));
}

void NoFlush(png_structp) {}

// libpng reports errors by longjmp back here, so nothing in this function
// may own a resource; `bytes` and the image belong to the caller.
bool WriteImage(png_structp png, png_infop info, const QImage& image, const LibpngSettings& settings,
                QByteArray* bytes)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, bytes, AppendBytes, NoFlush);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, LibpngFilter(settings.filter));
    png_set_compression_level(png, settings.zlibLevel);
    png_set_compression_strategy(png, settings.runLengthOnly ? Z_RLE : Z_DEFAULT_STRATEGY);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_write_info(png, info);
    // An RGB32 pixel is one 32-bit word 0xFFRRGGBB: libpng drops the unused
    // byte and puts the rest in RGB order itself.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
#else
    png_set_filler(png, 0, PNG_FILLER_BEFORE);
#endif
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, nullptr);
    return true;
}

} // namespace

QByteArray EncodePngWithLibpng(const QImage& image, const LibpngSettings& settings)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    QByteArray bytes;
    const bool written = info && WriteImage(png, info, rgb, settings, &bytes);
    png_destroy_write_struct(&png, &info);
    return written ? bytes : QByteArray();
}

} // namespace cellaro::bench
