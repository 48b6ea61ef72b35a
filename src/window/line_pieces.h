// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list box keeps every text block it inserts at most kPieceLength
// characters long. Qt lays out, shapes and measures a whole block at every
// edit, cursor move, focus change and paint, so a megabyte pasted without
// a line break would stall the window for seconds at each of them; and it
// spends some thousands of instructions on every block it inserts, so
// 300,000 short lines, a block each, take seconds to paste. A line
// longer than kPieceLength is held in pieces, a block each; short lines
// share a block, separated by line separators, which the text edit shows
// as line breaks and the tool reads as CR LF like any other break. The
// list box marks a block that continues the line before it; the tool's
// text knows nothing of the pieces.

#include <QString>
#include <QStringView>

#include <vector>

namespace cellaro {

inline constexpr int kPieceLength = 1024;

// One text block of a text inserted into the list box.
struct InsertedBlock {
    // Whole lines, or pieces of a long line, separated by line separators.
    QString text;
    // The block goes on the line before it: the first block continues the
    // line at the insertion point, a piece after the first continues its
    // line.
    bool continuesLine = false;
};

// The blocks of an inserted text. A line or paragraph separator (U+2028,
// U+2029) belongs to its line, where a label shows nothing for it, yet the
// text edit would show it as a break: it is left out. The text breaks into
// lines at "\r\n", "\r", "\n" and the noncharacters the text edit itself
// breaks at; a line longer than
// kPieceLength is cut into pieces, after a blank where one is in the
// second half of the piece and never inside a surrogate pair. Lines and
// pieces are gathered into blocks of at most kPieceLength characters; a
// piece after the first of its line starts a block.
std::vector<InsertedBlock> InsertedBlocks(QStringView text);

} // namespace cellaro
