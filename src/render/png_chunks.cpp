// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/png_chunks.h"

#include <libdeflate.h>

#include <algorithm>
#include <cstdint>

namespace cellaro {

namespace {

void AppendBigEndian(QByteArray& out, std::uint32_t value)
{
    const char bytes[4] = { char(value >> 24), char(value >> 16), char(value >> 8), char(value) };
    out.append(bytes, 4);
}

void AppendChunk(QByteArray& out, const char (&type)[5], const QByteArray& data)
{
    AppendBigEndian(out, std::uint32_t(data.size()));
    const qsizetype typeAt = out.size();
    out.append(type, 4);
    out.append(data);
    AppendBigEndian(out, libdeflate_crc32(0, out.constData() + typeAt, std::size_t(4 + data.size())));
}

// tEXt holds Latin-1 without NUL; iTXt UTF-8, here uncompressed and with
// no language given.
void AppendText(QByteArray& out, const QByteArray& keyword, const QString& text)
{
    const bool latin1 = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() - 1u < 0xFFu; });
    QByteArray data = keyword;
    data.append('\0');
    if (latin1) {
        AppendChunk(out, "tEXt", data.append(text.toLatin1()));
        return;
    }
    data.append("\0\0\0\0", 4); // uncompressed, method 0, no language tag, no translated keyword
    AppendChunk(out, "iTXt", data.append(text.toUtf8()));
}

} // namespace

QByteArray PngFile(const PngHeader& header, const QByteArray& zlibStream)
{
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    out.reserve(zlibStream.size() + 1024);

    QByteArray fields;
    AppendBigEndian(fields, std::uint32_t(header.width));
    AppendBigEndian(fields, std::uint32_t(header.height));
    const char depthAndType[5] = { 8, char(header.palette.isEmpty() ? 2 : 3), 0, 0, 0 };
    fields.append(depthAndType, 5); // no interlacing, the standard compression and filters
    AppendChunk(out, "IHDR", fields);

    if (!header.palette.isEmpty()) {
        QByteArray colours;
        for (const Pixel colour : header.palette)
            colours.append(char(colour >> 16)).append(char(colour >> 8)).append(char(colour));
        AppendChunk(out, "PLTE", colours);
    }
    if (header.dotsPerMeterX > 0 && header.dotsPerMeterY > 0) {
        QByteArray resolution;
        AppendBigEndian(resolution, std::uint32_t(header.dotsPerMeterX));
        AppendBigEndian(resolution, std::uint32_t(header.dotsPerMeterY));
        resolution.append(char(1)); // per metre
        AppendChunk(out, "pHYs", resolution);
    }
    for (const auto& [keyword, text] : header.texts)
        AppendText(out, keyword, text);
    AppendChunk(out, "IDAT", zlibStream);
    AppendChunk(out, "IEND", QByteArray());
    return out;
}

} // namespace cellaro
