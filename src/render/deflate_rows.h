// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A zlib stream of picture rows, compressed by what a rendered grid is made
// of: long runs of one colour and rows that repeat the row above. Each
// position is matched only against the pixel on its left and the pixel
// above (two fixed distances, no search), and the symbols take deflate's
// fixed codes, so compressing costs about as much as reading the rows once.

#include <QByteArray>

#include <cstdint>
#include <functional>

namespace cellaro {

// Row `y`: its bytes, `rowBytes` long with the filter byte first, which
// must stay as they are until row y + 2 is asked for; and whether they are
// those of the row above (a grid repeats most rows, and such a row is
// written as matches to the row above without comparing it again).
struct Row {
    const std::uint8_t* bytes = nullptr;
    bool sameAsAbove = false;
};
using RowSource = std::function<Row(int y)>;

// The `rows` rows of a picture whose pixels take `pixelBytes` each, asked
// for in order; no match reaches across the end of a row, so only the row
// above need be kept.
QByteArray DeflateRows(int rows, int rowBytes, int pixelBytes, const RowSource& rowAt);

} // namespace cellaro
