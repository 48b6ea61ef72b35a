// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the list text into the entry table: the text cut into finished
// lines (entries/list_lines.h), each line accepted or skipped
// (entries/list_reader.h), the accepted entries stored at the end.
//
// The whole list is read before anything is stored, so a list that cannot
// be stored (a count outside 16 bits, more than 10000 accepted lines) is
// rejected as a whole and names the offending line.

#include "entries/entry_table.h"
#include "entries/list_lines.h"
#include "entries/list_reader.h"

#include <QStringView>

#include <optional>

namespace cellaro {

// The threshold box's text as the parser reads it: Val(Trim(text)).
double ReadThreshold(QStringView thresholdText);

// Parses the whole list and, only when every accepted line can be stored,
// replaces the table's content from index 1 upwards (slots above the new
// count keep what they held). A rejected list leaves the table untouched.
// The list is read as a stream of one piece.
std::optional<ShowError> ReadList(EntryTable& table, QStringView listText, double threshold);

// The list read as it arrives, in pieces of any size, from a file or a
// pipe: only the line being read and the accepted entries are kept, so
// memory follows the accepted entries, not the text's length.
class ListStream {
public:
    explicit ListStream(double threshold) : reader_(threshold) {}
    ListStream(const ListStream&) = delete;
    ListStream& operator=(const ListStream&) = delete;

    // How long the text of a piece stays as it is. Labels are read where
    // they stand in a piece that stays until StoreInto, and copied from any
    // other.
    enum class PieceLife { Passing, KeptUntilStored };

    // Reads the next piece of the text. False once a line that cannot be
    // stored was read: the outcome is decided and the rest need not be read.
    bool Add(QStringView piece, PieceLife life = PieceLife::Passing);

    // Stores the accepted entries, or gives the error and leaves the table
    // untouched. Text after the last line feed is never finished, so it is
    // never read. Copied labels move into the table: the stream is done
    // with.
    std::optional<ShowError> StoreInto(EntryTable& table) &&;

private:
    LineSplitter lines_;
    ListReader reader_;
};

} // namespace cellaro
