#pragma once
// A zlib stream of picture rows, compressed by what a rendered grid is made
// of: long runs of one colour and rows that repeat the row above. Each
// position is matched only against the pixel on its left and the pixel
// above (two fixed distances, no search), and the symbols take deflate's
// fixed codes, so compressing costs about as much as reading the rows once.

#include <QByteArray>

#include <cstdint>
#include <span>

namespace cellaro {

// `rows` is the picture's filtered rows one after another, each
// `rowBytes` long with its filter byte first; a pixel takes `pixelBytes`.
QByteArray DeflateRows(std::span<const std::uint8_t> rows, int rowBytes, int pixelBytes);

} // namespace cellaro
