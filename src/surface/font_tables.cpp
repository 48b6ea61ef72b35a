#include "surface/font_tables.h"

namespace cellaro {

std::uint16_t FontU16(const QByteArray& font, qsizetype at)
{
    if (at < 0 || at + 2 > font.size())
        return 0;
    return std::uint16_t((std::uint8_t(font[at]) << 8) | std::uint8_t(font[at + 1]));
}

std::int16_t FontI16(const QByteArray& font, qsizetype at) { return std::int16_t(FontU16(font, at)); }

std::uint32_t FontU32(const QByteArray& font, qsizetype at)
{
    return (std::uint32_t(FontU16(font, at)) << 16) | FontU16(font, at + 2);
}

qsizetype FontTableOffset(const QByteArray& font, const char (&tag)[5])
{
    const int tables = FontU16(font, 4);
    for (int i = 0; i < tables; ++i) {
        const qsizetype record = 12 + 16 * qsizetype(i);
        if (record + 16 <= font.size() && font.mid(record, 4) == QByteArray(tag, 4))
            return qsizetype(FontU32(font, record + 8));
    }
    return 0;
}

} // namespace cellaro
