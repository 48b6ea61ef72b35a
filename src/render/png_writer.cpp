// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/png_writer.h"

#include "render/deflate_rows.h"
#include "render/png_chunks.h"

#include <QList>
#include <QtEndian>

#include <array>
#include <memory>
#include <cstring>
#include <optional>
#include <vector>

namespace cellaro {

namespace {

struct IndexedPixels {
    QList<Pixel> palette;
    std::vector<std::uint8_t> indexes; // row after row: the filter byte 0, then one a pixel
};

// 96 dots per inch.
constexpr int kDotsPerMeter = 3780;

std::size_t IndexedRowBytes(const PixelBuffer& image) { return 1 + std::size_t(image.width); }

// The picture as palette indexes when it has at most 256 colours. A grid
// without texts has one colour a cell and a few more; texts bring
// thousands of blended shades, and the scan stops at the 257th colour.
std::optional<IndexedPixels> IndexedPixelsOf(const PixelBuffer& image)
{
    constexpr std::size_t kSlots = 1024; // open addressing, at most a quarter full
    std::array<Pixel, kSlots> colours {}; // 0: free; a pixel's top byte is 0xFF
    std::array<std::uint8_t, kSlots> indexOf {};
    IndexedPixels indexed;
    const std::size_t rowBytes = IndexedRowBytes(image);
    indexed.indexes.resize(rowBytes * std::size_t(image.height));
    const int width = image.width;
    std::uint8_t* next = indexed.indexes.data();
    Pixel last = 0;
    std::uint8_t lastIndex = 0;
    for (int y = 0; y < image.height; ++y) {
        const Pixel* line = image.row(y);
        if (y > 0 && std::memcmp(line, image.row(y - 1), sizeof(Pixel) * std::size_t(width)) == 0) {
            std::memcpy(next, next - rowBytes, rowBytes); // most rows repeat the one above
            next += rowBytes;
            continue;
        }
        *next++ = 0;
        for (int x = 0; x < width; ++x, ++next) {
            const Pixel pixel = line[x] | 0xFF000000u;
            if (pixel != last) { // runs of one colour are the rule
                std::size_t slot = (pixel * 2654435761u) % kSlots;
                while (colours[slot] != 0 && colours[slot] != pixel)
                    slot = (slot + 1) % kSlots;
                if (colours[slot] == 0) {
                    if (indexed.palette.size() == 256)
                        return std::nullopt;
                    colours[slot] = pixel;
                    indexOf[slot] = std::uint8_t(indexed.palette.size());
                    indexed.palette.append(pixel);
                }
                last = pixel;
                lastIndex = indexOf[slot];
            }
            *next = lastIndex;
        }
    }
    return indexed;
}

// The rows of the picture as 8-bit RGB, each after its filter byte 0,
// converted as they are asked for. A row the same as the one above is not
// converted again; a new row goes into the buffer the row above is not in.
// A pixel is stored as four bytes whose last the next pixel overwrites.
class RgbRows {
public:
    explicit RgbRows(const PixelBuffer& image)
        : image_(image)
        , rowBytes_(1 + 3 * std::size_t(image.width))
        , buffers_(2 * (rowBytes_ + 1))
    {
    }

    int rowBytes() const { return int(rowBytes_); }

    Row row(int y)
    {
        const Pixel* line = image_.row(y);
        const std::size_t lineBytes = sizeof(Pixel) * std::size_t(image_.width);
        if (y > 0 && std::memcmp(line, image_.row(y - 1), lineBytes) == 0)
            return { current(), true };
        current_ = 1 - current_;
        std::uint8_t* next = current();
        *next++ = 0;
        const Pixel* const end = line + image_.width;
        for (const Pixel* pixel = line; pixel != end; ++pixel, next += 3) {
            const std::uint32_t rgb = qToLittleEndian(qbswap(*pixel) >> 8); // R, G, B, 0
            std::memcpy(next, &rgb, 4);
        }
        return { current(), false };
    }

private:
    std::uint8_t* current() { return buffers_.data() + std::size_t(current_) * (rowBytes_ + 1); }

    const PixelBuffer& image_;
    std::size_t rowBytes_;
    std::vector<std::uint8_t> buffers_;
    int current_ = 0;
};

QByteArray OwnPng(const PixelBuffer& image, const IndexedPixels* indexed, const PngTexts& texts)
{
    PngHeader header { image.width, image.height, {}, kDotsPerMeter, kDotsPerMeter, texts };
    if (indexed) {
        header.palette = indexed->palette;
        const std::size_t rowBytes = IndexedRowBytes(image);
        return PngFile(header, DeflateRows(image.height, int(rowBytes), 1, [&](int y) {
            const std::uint8_t* bytes = indexed->indexes.data() + std::size_t(y) * rowBytes;
            return Row { bytes, y > 0 && std::memcmp(bytes, bytes - rowBytes, rowBytes) == 0 };
        }));
    }
    RgbRows rows(image);
    return PngFile(header, DeflateRows(image.height, rows.rowBytes(), 3, [&](int y) { return rows.row(y); }));
}

} // namespace

QByteArray EncodePng(const PixelBuffer& image, PaletteUse palette, const PngTexts& texts)
{
    const std::optional<IndexedPixels> indexed =
        palette == PaletteUse::WhenFewColours ? IndexedPixelsOf(image) : std::nullopt;
    return OwnPng(image, indexed ? &*indexed : nullptr, texts);
}

} // namespace cellaro
