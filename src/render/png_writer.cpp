#include "render/png_writer.h"

#include "render/deflate_rows.h"
#include "render/png_chunks.h"

#include <QtEndian>

#include <png.h>
#include <zlib.h>

#include <array>
#include <csetjmp>
#include <memory>
#include <cstring>
#include <optional>
#include <vector>

namespace cellaro {

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

struct IndexedPixels {
    std::vector<png_color> palette;
    std::vector<png_byte> indexes; // row after row: the filter byte 0, then one a pixel
};

std::size_t IndexedRowBytes(const QImage& image) { return 1 + std::size_t(image.width()); }

// The picture as palette indexes when it has at most 256 colours. A grid
// without texts has one colour a cell and a few more; texts bring
// thousands of blended shades, and the scan stops at the 257th colour.
std::optional<IndexedPixels> IndexedPixelsOf(const QImage& image)
{
    constexpr std::size_t kSlots = 1024; // open addressing, at most a quarter full
    std::array<QRgb, kSlots> colours {}; // 0: free; an RGB32 pixel's top byte is 0xFF
    std::array<png_byte, kSlots> indexOf {};
    IndexedPixels indexed;
    const std::size_t rowBytes = IndexedRowBytes(image);
    indexed.indexes.resize(rowBytes * std::size_t(image.height()));
    const int width = image.width();
    png_byte* next = indexed.indexes.data();
    QRgb last = 0;
    png_byte lastIndex = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (y > 0 && std::memcmp(line, image.constScanLine(y - 1), sizeof(QRgb) * std::size_t(width)) == 0) {
            std::memcpy(next, next - rowBytes, rowBytes); // most rows repeat the one above
            next += rowBytes;
            continue;
        }
        *next++ = 0;
        for (int x = 0; x < width; ++x, ++next) {
            const QRgb pixel = line[x] | 0xFF000000u;
            if (pixel != last) { // runs of one colour are the rule
                std::size_t slot = (pixel * 2654435761u) % kSlots;
                while (colours[slot] != 0 && colours[slot] != pixel)
                    slot = (slot + 1) % kSlots;
                if (colours[slot] == 0) {
                    if (indexed.palette.size() == 256)
                        return std::nullopt;
                    colours[slot] = pixel;
                    indexOf[slot] = png_byte(indexed.palette.size());
                    indexed.palette.push_back({ png_byte(qRed(pixel)), png_byte(qGreen(pixel)),
                                                png_byte(qBlue(pixel)) });
                }
                last = pixel;
                lastIndex = indexOf[slot];
            }
            *next = lastIndex;
        }
    }
    return indexed;
}

// libpng reports errors by longjmp back here, so nothing in this function
// may own a resource; `bytes` and the image belong to the caller.
bool WriteImage(png_structp png, png_infop info, const QImage& image, const IndexedPixels* indexed,
                const PngSettings& settings, QByteArray* bytes)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, bytes, AppendBytes, NoFlush);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, LibpngFilter(settings.filter));
    png_set_compression_level(png, settings.zlibLevel);
    png_set_compression_strategy(png, settings.runLengthOnly ? Z_RLE : Z_DEFAULT_STRATEGY);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
                 indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    if (indexed)
        png_set_PLTE(png, info, indexed->palette.data(), int(indexed->palette.size()));
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0)
        png_set_pHYs(png, info, png_uint_32(image.dotsPerMeterX()), png_uint_32(image.dotsPerMeterY()),
                     PNG_RESOLUTION_METER);
    png_write_info(png, info);
    if (indexed) {
        for (int y = 0; y < image.height(); ++y)
            png_write_row(png, indexed->indexes.data() + std::size_t(y) * IndexedRowBytes(image) + 1);
        png_write_end(png, nullptr);
        return true;
    }
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

// The rows of an RGB32 image as 8-bit RGB, each after its filter byte 0,
// converted as they are asked for. A row the same as the one above is not
// converted again; a new row goes into the buffer the row above is not in.
// A pixel is stored as four bytes whose last the next pixel overwrites.
class RgbRows {
public:
    explicit RgbRows(const QImage& image)
        : image_(image)
        , rowBytes_(1 + 3 * std::size_t(image.width()))
        , buffers_(2 * (rowBytes_ + 1))
    {
    }

    int rowBytes() const { return int(rowBytes_); }

    Row row(int y)
    {
        const QRgb* line = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        const std::size_t lineBytes = sizeof(QRgb) * std::size_t(image_.width());
        if (y > 0 && std::memcmp(line, image_.constScanLine(y - 1), lineBytes) == 0)
            return { current(), true };
        current_ = 1 - current_;
        std::uint8_t* next = current();
        *next++ = 0;
        const QRgb* const end = line + image_.width();
        for (const QRgb* pixel = line; pixel != end; ++pixel, next += 3) {
            const std::uint32_t rgb = qToLittleEndian(qFromBigEndian(*pixel) >> 8); // R, G, B, 0
            std::memcpy(next, &rgb, 4);
        }
        return { current(), false };
    }

private:
    std::uint8_t* current() { return buffers_.data() + std::size_t(current_) * (rowBytes_ + 1); }

    const QImage& image_;
    std::size_t rowBytes_;
    std::vector<std::uint8_t> buffers_;
    int current_ = 0;
};

QByteArray OwnPng(const QImage& image, const IndexedPixels* indexed)
{
    PngHeader header { image.width(), image.height(), {}, image.dotsPerMeterX(), image.dotsPerMeterY() };
    if (indexed) {
        for (const png_color& colour : indexed->palette)
            header.palette.append(qRgb(colour.red, colour.green, colour.blue));
        const std::size_t rowBytes = IndexedRowBytes(image);
        return PngFile(header, DeflateRows(image.height(), int(rowBytes), 1, [&](int y) {
            const std::uint8_t* bytes = indexed->indexes.data() + std::size_t(y) * rowBytes;
            return Row { bytes, y > 0 && std::memcmp(bytes, bytes - rowBytes, rowBytes) == 0 };
        }));
    }
    RgbRows rows(image);
    return PngFile(header, DeflateRows(image.height(), rows.rowBytes(), 3, [&](int y) { return rows.row(y); }));
}

} // namespace

QByteArray EncodePng(const QImage& image, const PngSettings& settings)
{
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image
                                                             : image.convertToFormat(QImage::Format_RGB32);
    if (settings.ownDeflate) {
        const std::optional<IndexedPixels> indexed =
            settings.paletteWhenFew ? IndexedPixelsOf(rgb) : std::nullopt;
        return OwnPng(rgb, indexed ? &*indexed : nullptr);
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    const std::optional<IndexedPixels> indexed =
        settings.paletteWhenFew ? IndexedPixelsOf(rgb) : std::nullopt;
    QByteArray bytes;
    const bool written = info && WriteImage(png, info, rgb, indexed ? &*indexed : nullptr, settings, &bytes);
    png_destroy_write_struct(&png, &info);
    return written ? bytes : QByteArray();
}

} // namespace cellaro
