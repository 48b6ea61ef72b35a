// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/list_input.h"

#include "cli/byte_order_mark.h"

#include <QStringDecoder>

#include <algorithm>

namespace cellaro {

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// UTF-8 as it stands: QString::fromUtf8 would also drop a mark at the start
// of every stretch, where the list may hold one as part of a label.
QString FromUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

// Just past the last byte below 0x80 at or after `from`, or 0: an ASCII
// byte either stands alone or ends an incomplete sequence, so decoding after
// it starts afresh.
qsizetype AfterLastAscii(const QByteArray& bytes, qsizetype from)
{
    for (qsizetype i = bytes.size(); i > from; --i)
        if (static_cast<unsigned char>(bytes[i - 1]) < 0x80)
            return i;
    return 0;
}

// The line feeds of the list so far, and whether the text after the last of
// them holds anything a line is made of (codes 0 to 13 never are).
struct UnfinishedLine {
    std::int64_t lineFeeds = 0;
    bool holdsText = false;

    void see(std::string_view chunk)
    {
        lineFeeds += std::count(chunk.begin(), chunk.end(), '\n');
        const std::size_t last = chunk.rfind('\n');
        if (last != std::string_view::npos)
            holdsText = false;
        const std::string_view after = last == std::string_view::npos ? chunk : chunk.substr(last + 1);
        holdsText = holdsText
            || std::any_of(after.begin(), after.end(), [](char c) { return static_cast<unsigned char>(c) > 13; });
    }
};

QStringList NotesOn(const QString& path, const cli::InputStart& start, const UnfinishedLine& end)
{
    QStringList notes;
    if (const std::optional<QString> encoding = start.foreignEncoding())
        notes.append(QStringLiteral("note: %1 is in %2 (it starts with that byte-order mark), but a list is "
                                    "read as UTF-8")
                         .arg(cli::InputName(path), *encoding));
    if (end.holdsText)
        notes.append(QStringLiteral("note: line %1 of %2 has no line feed at its end and is not read, as in "
                                    "the window")
                         .arg(end.lineFeeds + 1)
                         .arg(cli::InputName(path)));
    return notes;
}

} // namespace

QString ListBytesDecoder::Decode(std::string_view bytes)
{
    // What waits from earlier pieces holds no ASCII byte: only the new bytes
    // are searched, or a list without any would be searched again and again.
    const qsizetype waiting = pending_.size();
    pending_.append(bytes.data(), qsizetype(bytes.size()));
    const qsizetype end = AfterLastAscii(pending_, waiting);
    if (end == 0)
        return {};
    // The mark is three bytes above 0x7F, so it is whole by the time the
    // first stretch is decoded.
    const qsizetype start = atStart_ && pending_.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    atStart_ = false;
    const QString text = FromUtf8(QByteArrayView(pending_).sliced(start, end - start));
    pending_.remove(0, end);
    return text;
}

QString DecodeListBytes(const QByteArray& bytes)
{
    return FromUtf8(bytes.startsWith(kByteOrderMark) ? bytes.sliced(kByteOrderMark.size()) : bytes);
}

ListReading ReadListFile(EntryTable& table, const QString& path, const cli::StandardInput& input,
                         double threshold, std::int64_t maxBytes)
{
    ListBytesDecoder decoder;
    ListStream list(threshold);
    cli::InputStart start;
    UnfinishedLine end;
    const auto consume = [&](std::string_view chunk) {
        start.see(chunk);
        end.see(chunk);
        return list.Add(decoder.Decode(chunk)) ? cli::ChunkVerdict::Continue : cli::ChunkVerdict::Decided;
    };
    ListReading reading;
    reading.readError = cli::ReadInChunks(path, input, cli::ReadLimits { maxBytes }, consume);
    if (!reading.readError)
        reading.listError = std::move(list).StoreInto(table);
    if (!reading.readError && !reading.listError)
        reading.notes = NotesOn(path, start, end);
    return reading;
}

} // namespace cellaro
