// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes how the renderer reads a list file: bytes decoded a stretch at a
// time (byte-order mark, invalid UTF-8, any line ends) and parsed as they
// arrive, and the size limit. Whatever the bytes and however they are cut,
// the table or the error must be the one that decoding and parsing the
// whole input at once gives.
//
// Input layout:
//   byte 0     the piece size - 1 (pieces of 1 to 256 bytes)
//   byte 1     the threshold, as a signed byte
//   bytes 2-3  the size limit in bytes, little-endian (0: no limit)
//   then       the list bytes

#include "entries/default_list.h"
#include "entries/list_parser.h"
#include "render/list_input.h"

#include <QByteArray>
#include <QString>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace cellaro;

namespace {

struct FuzzInput {
    qsizetype pieceSize = 1;
    double threshold = 0;
    std::int64_t limit = 0;
    QByteArray bytes;
};

FuzzInput Split(const std::uint8_t* data, std::size_t size)
{
    const auto at = [&](std::size_t i) { return i < size ? data[i] : std::uint8_t(0); };
    FuzzInput input;
    input.pieceSize = qsizetype(at(0)) + 1;
    input.threshold = double(std::int8_t(at(1)));
    input.limit = std::int64_t(at(2)) | std::int64_t(at(3)) << 8;
    const std::size_t header = std::min<std::size_t>(size, 4);
    input.bytes = QByteArray(reinterpret_cast<const char*>(data + header), qsizetype(size - header));
    return input;
}

void Fail(const char* what)
{
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

struct Outcome {
    EntryTable table;
    std::optional<ShowError> error;
};

bool SameOutcome(const Outcome& a, const Outcome& b)
{
    if (a.error.has_value() != b.error.has_value())
        return false;
    if (a.error && (a.error->kind != b.error->kind || a.error->line != b.error->line))
        return false;
    return a.table.EntryCount == b.table.EntryCount && a.table.MaxValue == b.table.MaxValue
        && a.table.TotalValue == b.table.TotalValue && a.table.EntryNames == b.table.EntryNames
        && a.table.EntryValues == b.table.EntryValues;
}

// Every reading starts from a table that holds the default list, so a
// rejected list can be seen to leave every slot as it was.
const EntryTable& StartingTable()
{
    static const EntryTable table = [] {
        EntryTable start;
        ReadList(start, DefaultListText(), 0);
        return start;
    }();
    return table;
}

Outcome Whole(const FuzzInput& input)
{
    Outcome outcome { StartingTable(), std::nullopt };
    outcome.error = ReadList(outcome.table, DecodeListBytes(input.bytes), input.threshold);
    return outcome;
}

// The pieces' text must be the whole text up to at least its last line feed.
Outcome InPieces(const FuzzInput& input, const QString& wholeText)
{
    Outcome outcome { StartingTable(), std::nullopt };
    ListBytesDecoder decoder;
    ListStream stream(input.threshold);
    QString decoded;
    bool decided = false;
    for (qsizetype at = 0; at < input.bytes.size() && !decided; at += input.pieceSize) {
        const QByteArrayView piece = QByteArrayView(input.bytes).sliced(at, std::min(input.pieceSize, input.bytes.size() - at));
        const QString text = decoder.Decode(std::string_view(piece.data(), std::size_t(piece.size())));
        decoded += text;
        decided = !stream.Add(text);
    }
    if (!decided) {
        if (!wholeText.startsWith(decoded))
            Fail("the pieces decode to other text than the whole input");
        if (decoded.size() <= wholeText.lastIndexOf(u'\n'))
            Fail("a finished line was not decoded");
    }
    outcome.error = std::move(stream).StoreInto(outcome.table);
    return outcome;
}

// The real reading, from a file descriptor, with the size limit.
void CheckLimit(const FuzzInput& input, const Outcome& whole)
{
    const int file = memfd_create("list", 0);
    if (file < 0 || write(file, input.bytes.constData(), std::size_t(input.bytes.size())) != input.bytes.size())
        Fail("cannot set up the list file");
    Outcome read { StartingTable(), std::nullopt };
    const ListReading reading = ReadListFile(read.table, QStringLiteral("/proc/self/fd/%1").arg(file),
                                             cli::StandardInput {}, input.threshold,
                                             input.limit > 0 ? input.limit : kMaxListBytes);
    close(file);
    read.error = reading.listError;
    const bool tooLarge = input.limit > 0 && input.bytes.size() > input.limit;
    if (reading.readError) {
        if (!tooLarge || !reading.readError->contains(QStringLiteral("larger than")))
            Fail("a list within the limit was refused");
        if (!SameOutcome(Outcome { StartingTable(), std::nullopt }, Outcome { read.table, std::nullopt }))
            Fail("a refused list changed the table");
        return;
    }
    // Beyond the limit only a list decided before the limit is read.
    if (tooLarge && !whole.error)
        Fail("a list beyond the limit was read to its end");
    if (!SameOutcome(read, whole))
        Fail("the file read gives another table than the whole text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzInput input = Split(data, size);
    const Outcome whole = Whole(input);
    if (!SameOutcome(InPieces(input, DecodeListBytes(input.bytes)), whole))
        Fail("read in pieces, the list gives another table or error");
    CheckLimit(input, whole);
    return 0;
}
