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

// The bytes of row `y`, `rowBytes` long with the filter byte first; they
// must stay as they are until row y + 2 is asked for.
using RowSource = std::function<const std::uint8_t*(int y)>;

// The `rows` rows of a picture whose pixels take `pixelBytes` each, asked
// for in order; no match reaches across the end of a row, so only the row
// above need be kept.
QByteArray DeflateRows(int rows, int rowBytes, int pixelBytes, const RowSource& rowAt);

} // namespace cellaro
