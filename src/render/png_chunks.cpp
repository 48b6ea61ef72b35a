#include "render/png_chunks.h"

#include <libdeflate.h>

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
    AppendChunk(out, "IDAT", zlibStream);
    AppendChunk(out, "IEND", QByteArray());
    return out;
}

} // namespace cellaro
