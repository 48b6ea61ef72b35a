#pragma once
// Reading an OpenType font file: big-endian numbers and where a table
// starts. Every read is bounds-checked and gives 0 outside the file.

#include <QByteArray>

#include <cstdint>

namespace cellaro {

std::uint16_t FontU16(const QByteArray& font, qsizetype at);
std::int16_t FontI16(const QByteArray& font, qsizetype at);
std::uint32_t FontU32(const QByteArray& font, qsizetype at);

// Where the table `tag` starts in the font file; 0 when it has none.
qsizetype FontTableOffset(const QByteArray& font, const char (&tag)[5]);

} // namespace cellaro
