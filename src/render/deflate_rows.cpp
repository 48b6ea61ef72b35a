// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/deflate_rows.h"

#include <QtEndian>

#include <libdeflate.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace cellaro {

namespace {

constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kEndOfBlock = 256;

// Bits go out least significant first; Huffman codes are stored reversed.
// The buffer is sized for the worst case beforehand (nine bits a byte), so
// a put is a shift, an or and now and then one 32-bit store.
class BitWriter {
public:
    explicit BitWriter(std::uint8_t* out)
        : next_(out)
    {
    }

    void put(std::uint32_t bits, int count)
    {
        pending_ |= std::uint64_t(bits) << filled_;
        filled_ += count;
        if (filled_ >= 32) {
            const std::uint32_t word = qToLittleEndian(std::uint32_t(pending_));
            std::memcpy(next_, &word, 4);
            next_ += 4;
            pending_ >>= 32;
            filled_ -= 32;
        }
    }

    // Writes the bits still pending; returns the end of the output.
    std::uint8_t* flush()
    {
        for (; filled_ > 0; filled_ -= 8, pending_ >>= 8)
            *next_++ = std::uint8_t(pending_);
        filled_ = 0;
        return next_;
    }

private:
    std::uint8_t* next_;
    std::uint64_t pending_ = 0;
    int filled_ = 0;
};

std::uint32_t Reversed(std::uint32_t code, int length)
{
    std::uint32_t reversed = 0;
    for (int i = 0; i < length; ++i, code >>= 1)
        reversed = (reversed << 1) | (code & 1);
    return reversed;
}

struct Code {
    std::uint32_t bits = 0; // reversed, ready to put
    int length = 0;
};

// Deflate's fixed literal/length code (RFC 1951, 3.2.6).
Code FixedLiteralCode(int symbol)
{
    if (symbol < 144)
        return { Reversed(0x30 + symbol, 8), 8 };
    if (symbol < 256)
        return { Reversed(0x190 + symbol - 144, 9), 9 };
    if (symbol < 280)
        return { Reversed(symbol - 256, 7), 7 };
    return { Reversed(0xC0 + symbol - 280, 8), 8 };
}

// A length or distance as its symbol's code followed by its extra bits,
// joined into one put.
struct Coded {
    std::uint32_t bits = 0;
    int length = 0;
};

struct Tables {
    std::array<Code, 286> literals {};
    std::array<Coded, kMaxMatch + 1> lengths {};
};

const Tables& FixedTables()
{
    static const Tables tables = [] {
        Tables t;
        for (int symbol = 0; symbol < 286; ++symbol)
            t.literals[std::size_t(symbol)] = FixedLiteralCode(symbol);
        static constexpr std::array<int, 29> kBase {
            3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163,
            195, 227, 258,
        };
        static constexpr std::array<int, 29> kExtra {
            0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0,
        };
        for (int length = kMinMatch; length <= kMaxMatch; ++length) {
            int index = 28;
            while (kBase[std::size_t(index)] > length)
                --index;
            const Code code = t.literals[std::size_t(257 + index)];
            const int extra = kExtra[std::size_t(index)];
            t.lengths[std::size_t(length)] = { code.bits | (std::uint32_t(length - kBase[std::size_t(index)]) << code.length),
                                               code.length + extra };
        }
        return t;
    }();
    return tables;
}

// A distance's fixed 5-bit code and extra bits.
Coded DistanceCode(int distance)
{
    int code = 0;
    int base = 1;
    int extra = 0;
    while (true) {
        const int size = 1 << extra;
        if (distance < base + size)
            break;
        base += size;
        ++code;
        if (code >= 4 && code % 2 == 0)
            ++extra;
        if (code >= 30)
            return {};
    }
    return { Reversed(std::uint32_t(code), 5) | (std::uint32_t(distance - base) << 5), 5 + extra };
}

// How many bytes from `at` on repeat those from `from` on, up to `limit`.
int MatchLength(const std::uint8_t* at, const std::uint8_t* from, int limit)
{
    int length = 0;
    while (length + 8 <= limit) {
        // Little-endian loads: the first differing byte is the lowest.
        const std::uint64_t a = qFromLittleEndian<std::uint64_t>(at + length);
        const std::uint64_t b = qFromLittleEndian<std::uint64_t>(from + length);
        if (const std::uint64_t differ = a ^ b)
            return length + std::countr_zero(differ) / 8;
        length += 8;
    }
    while (length < limit && at[length] == from[length])
        ++length;
    return length;
}

// The next match of a row that repeats the one above, `left` bytes from
// its end: as long as deflate allows, leaving no tail too short for one.
int RowMatch(int left)
{
    if (left <= kMaxMatch)
        return left;
    return left - kMaxMatch < kMinMatch ? left - kMinMatch : kMaxMatch;
}

} // namespace

QByteArray DeflateRows(int rows, int rowBytes, int pixelBytes, const RowSource& rowAt)
{
    const Tables& tables = FixedTables();
    const Coded above = DistanceCode(rowBytes);
    const Coded left = DistanceCode(pixelBytes);
    const bool aboveFits = rowBytes <= 32768 && above.length > 0;
    constexpr qsizetype kHeader = 2;
    const qsizetype raw = qsizetype(rows) * rowBytes;
    QByteArray out(kHeader + raw * 9 / 8 + 16, Qt::Uninitialized);
    auto* start = reinterpret_cast<std::uint8_t*>(out.data());
    start[0] = 0x78; // deflate, 32 KiB window, no dictionary,
    start[1] = 0x01; // fastest
    BitWriter bits(start + kHeader);
    bits.put(1 | (1 << 1), 3); // the final block, fixed codes

    std::uint32_t checksum = libdeflate_adler32(1, nullptr, 0);
    const std::uint8_t* previous = nullptr;
    for (int y = 0; y < rows; ++y) {
        const auto [row, sameAsAbove] = rowAt(y);
        const std::uint8_t* abovePixel = aboveFits ? previous : nullptr;
        int at = 0;
        if (abovePixel && sameAsAbove)
            for (; rowBytes - at >= kMinMatch; at += RowMatch(rowBytes - at)) {
                const Coded& lengthCode = tables.lengths[std::size_t(RowMatch(rowBytes - at))];
                bits.put(lengthCode.bits, lengthCode.length);
                bits.put(above.bits, above.length);
            }
        while (at < rowBytes) {
            const int limit = std::min(kMaxMatch, rowBytes - at);
            const int fromAbove = abovePixel && row[at] == abovePixel[at]
                ? MatchLength(row + at, abovePixel + at, limit) : 0;
            const int fromLeft = at >= pixelBytes && fromAbove < limit && row[at] == row[at - pixelBytes]
                ? MatchLength(row + at, row + at - pixelBytes, limit) : 0;
            const int length = std::max(fromAbove, fromLeft);
            if (length < kMinMatch) {
                const Code& literal = tables.literals[row[at]];
                bits.put(literal.bits, literal.length);
                ++at;
                continue;
            }
            const Coded& lengthCode = tables.lengths[std::size_t(length)];
            bits.put(lengthCode.bits, lengthCode.length);
            const Coded& distance = fromAbove >= fromLeft ? above : left;
            bits.put(distance.bits, distance.length);
            at += length;
        }
        checksum = libdeflate_adler32(checksum, row, std::size_t(rowBytes));
        previous = row;
    }
    const Code& end = tables.literals[kEndOfBlock];
    bits.put(end.bits, end.length);
    std::uint8_t* next = bits.flush();
    qToBigEndian(checksum, next);
    out.truncate(qsizetype(next + 4 - start));
    return out;
}

} // namespace cellaro
