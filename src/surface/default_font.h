#pragma once
// Cellaro's own default font: Liberation Sans Regular at 8 pt, built into
// the binaries. The stored control sizes were made for a small font (">="
// in 12 x 13 pixels), and the picture's texts must be the same pixels on
// every machine, whatever fonts and font settings it has.

#include <QFont>

namespace cellaro {

// Registers the built-in font with the font database, once per process.
// The first use of any font reads the machine's font configuration, which
// costs more than drawing a large grid, so a program does this only when it
// is about to use a font; the image and SVG surfaces do it before their
// first text.
void RegisterDefaultFont();

// Starts the font system knowing the built-in font alone: an empty font
// configuration, so the machine's (read from many files, the dearest part
// of a small picture) is never read and no other font can stand in for a
// missing glyph. Only for a process that has used no font yet, about to
// draw texts the built-in font covers (DefaultFontCovers).
void KnowOnlyTheDefaultFont();

// Where the built-in font's file is among the resources, and its bytes.
QString DefaultFontResource();
QByteArray DefaultFontData();

// The default font as the controls use it. A description only: drawing or
// measuring with it needs RegisterDefaultFont() first.
QFont DefaultFont();

// Registers the built-in font and makes it the application's font. The
// window program and the tests call it once, right after the application
// object is made, before any window exists. Returns the font as set.
QFont UseDefaultFont();

} // namespace cellaro
