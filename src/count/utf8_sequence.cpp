// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "count/utf8_sequence.h"

namespace cellaro::count {

namespace {

struct LeadByte {
    std::size_t length;
    char32_t bits;
    unsigned char secondMin; // the second byte's range narrows per lead byte
    unsigned char secondMax;
};

LeadByte Lead(unsigned char byte)
{
    if (byte < 0x80)
        return { 1, byte, 0, 0 };
    if (byte >= 0xC2 && byte <= 0xDF)
        return { 2, char32_t(byte & 0x1F), 0x80, 0xBF };
    if (byte == 0xE0)
        return { 3, 0, 0xA0, 0xBF };
    if (byte == 0xED)
        return { 3, 0xD, 0x80, 0x9F };
    if (byte >= 0xE1 && byte <= 0xEF)
        return { 3, char32_t(byte & 0x0F), 0x80, 0xBF };
    if (byte == 0xF0)
        return { 4, 0, 0x90, 0xBF };
    if (byte >= 0xF1 && byte <= 0xF3)
        return { 4, char32_t(byte & 0x07), 0x80, 0xBF };
    if (byte == 0xF4)
        return { 4, 4, 0x80, 0x8F };
    return { 0, 0, 0, 0 };
}

} // namespace

Utf8Sequence DecodeUtf8(std::string_view bytes)
{
    const LeadByte lead = Lead(static_cast<unsigned char>(bytes[0]));
    if (lead.length <= 1 || bytes.size() < lead.length)
        return { lead.bits, lead.length == 1 ? std::size_t(1) : std::size_t(0) };
    char32_t codePoint = lead.bits;
    for (std::size_t i = 1; i < lead.length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const unsigned char min = i == 1 ? lead.secondMin : 0x80;
        const unsigned char max = i == 1 ? lead.secondMax : 0xBF;
        if (byte < min || byte > max)
            return {};
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    return { codePoint, lead.length };
}

} // namespace cellaro::count
