// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list a command line names, read as it arrives: UTF-8 bytes decoded a
// stretch at a time (a leading byte-order mark dropped) and parsed as they
// come, so memory follows the accepted entries and the line being read, not
// the input's size. Reading stops at the first line that cannot be stored,
// and a list larger than the limit is refused.

#include "cli/chunk_reader.h"
#include "entries/list_parser.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string_view>

namespace cellaro {

// 64 MiB: room for 10000 entries with labels of several kilobytes each, or
// millions of lines that the threshold leaves out.
inline constexpr std::int64_t kMaxListBytes = std::int64_t(64) * 1024 * 1024;

// Decodes list bytes that arrive in pieces into the text the parser reads.
// A piece is decoded up to its last ASCII byte, where UTF-8 decoding starts
// afresh, so the text is exactly what decoding the whole input would give;
// bytes after it wait for the next piece. What never reaches a line feed is
// never needed, so the bytes left at the end are dropped.
class ListBytesDecoder {
public:
    // The text of the bytes so far that can be decoded now.
    QString Decode(std::string_view bytes);

private:
    QByteArray pending_;
    bool atStart_ = true;
};

// The whole input's text as the renderer reads a list, for comparison: one
// leading byte-order mark dropped, the rest decoded as UTF-8 (a later mark
// is a character of the text).
QString DecodeListBytes(const QByteArray& bytes);

struct ListReading {
    std::optional<QString> readError;   // cannot read, or too large; no program name
    std::optional<ShowError> listError; // a line that cannot be stored
    QStringList notes;                  // read, though perhaps not as meant; "note: ..."
};

// Reads `path` ("-": standard input) into `table` as Show reads the list
// box; on any error the table is left as it was. A list that is read gets
// a note when it starts with the byte-order mark of UTF-16 or UTF-32 (it
// is read as UTF-8 all the same) and when its last line has no line feed
// (it is not read, as Show does not read it either).
ListReading ReadListFile(EntryTable& table, const QString& path, const cli::StandardInput& input,
                         double threshold, std::int64_t maxBytes = kMaxListBytes);

} // namespace cellaro
