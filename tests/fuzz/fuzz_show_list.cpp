// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the Show action and the grid painter on the recording surface.
//
// Input layout (every byte after the header is free text):
//   byte 0   bits 0-3: scheme index + 1 (so -1..14, beyond the eight the
//            selector offers); bit 4: decode the texts as raw UTF-16
//            (reaches lone surrogates) instead of UTF-8
//   byte 1   length of the threshold text in bytes
//   byte 2   repeat factor r: the list body is repeated 1 + 40 * r times,
//            so a short input can reach the 10000-entry limit (the repeated
//            text is capped near 40000 characters to keep runs fast)
//   then     the threshold text, then the list body
//
// Each input runs against a table that already holds the default list, so
// a rejected Show can be checked to leave every slot as it was.

#include "support/core_test_support.h"
#include "entries/default_list.h"
#include "paint/grid_painter.h"
#include "surface/recording_surface.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace cellaro;

namespace {

constexpr qsizetype kMaxListCharacters = 40000;

struct FuzzInput {
    Int16 scheme = 0;
    QString threshold;
    QString list;
};

QString Decode(const QByteArray& bytes, bool utf16)
{
    if (utf16)
        return QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
    return QString::fromUtf8(bytes);
}

FuzzInput Split(const std::uint8_t* data, std::size_t size)
{
    const std::uint8_t flags = size > 0 ? data[0] : 0;
    const std::size_t thresholdLength = size > 1 ? data[1] : 0;
    const qsizetype repeats = 1 + 40 * (size > 2 ? data[2] : 0);
    const std::size_t header = std::min<std::size_t>(size, 3);
    const char* rest = reinterpret_cast<const char*>(data + header);
    const std::size_t restSize = size - header;
    const std::size_t thresholdSize = std::min(thresholdLength, restSize);
    const bool utf16 = (flags & 0x10) != 0;

    FuzzInput input;
    input.scheme = Int16((flags & 0x0F) - 1);
    // Copies, so the UTF-16 characters are always aligned.
    input.threshold = Decode(QByteArray(rest, qsizetype(thresholdSize)), utf16);
    const QString body
        = Decode(QByteArray(rest + thresholdSize, qsizetype(restSize - thresholdSize)), utf16);
    const qsizetype cap = std::max<qsizetype>(1, kMaxListCharacters / std::max<qsizetype>(1, body.size()));
    input.list = body.repeated(std::min(repeats, cap));
    return input;
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void Require(bool holds, const char* what)
{
    if (!holds)
        Fail(what);
}

// Untouched slots still share their text with the starting table, so the
// pointer check settles almost every slot without comparing characters.
bool SameText(const QString& a, const QString& b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

bool SameTable(const EntryTable& a, const EntryTable& b)
{
    return a.EntryCount == b.EntryCount && a.MaxValue == b.MaxValue
        && a.TotalValue == b.TotalValue && a.EntryValues == b.EntryValues
        && std::equal(a.EntryNames.begin(), a.EntryNames.end(), b.EntryNames.begin(), SameText);
}

// The state every input starts from: the default list shown in scheme 0.
const FormState& StartingState()
{
    static const FormState state = testing::ShownDefaultList();
    return state;
}

void CheckRejected(const FormState& before, const FormState& after, const RecordingSurface& surface,
                   const ShowError& error)
{
    Require(SameTable(before.entries, after.entries), "a rejected Show changed the table");
    Require(surface.ops().isEmpty(), "a rejected Show drew on the surface");
    Require(error.line >= 1, "a rejected Show named no line");
}

void CheckTable(const FormState& before, const EntryTable& table)
{
    Require(table.EntryCount >= 0 && table.EntryCount <= kMaxEntries, "EntryCount out of 0..10000");
    long long total = 0;
    int largest = 0;
    for (int i = 1; i <= table.EntryCount; ++i) {
        total += table.EntryValues[std::size_t(i)];
        largest = std::max<int>(largest, table.EntryValues[std::size_t(i)]);
    }
    Require(table.MaxValue == largest, "MaxValue is not max(0, largest count)");
    Require(table.TotalValue == total, "TotalValue is not the sum of the counts");
    for (int i = table.EntryCount + 1; i < kEntrySlots; ++i) {
        Require(table.EntryValues[std::size_t(i)] == before.entries.EntryValues[std::size_t(i)],
                "a count above EntryCount changed");
        Require(SameText(table.EntryNames[std::size_t(i)], before.entries.EntryNames[std::size_t(i)]),
                "a label above EntryCount changed");
    }
}

// Label, count and share in each box of a small table (no share when the
// total is 0); the 72 header letters around a 36 x 36 table; else none.
qsizetype ExpectedTexts(const EntryTable& table)
{
    if (table.EntryCount <= kMaxEntriesWithTexts)
        return qsizetype(table.EntryCount) * (table.TotalValue != 0 ? 3 : 2);
    return table.EntryCount == kLetterMatrixEntries ? 72 : 0;
}

void CheckPicture(const EntryTable& table, const RecordingSurface& surface)
{
    const QList<DrawOp>& ops = surface.ops();
    if (table.EntryCount == 0) {
        Require(ops.isEmpty(), "a Show that accepted nothing touched the surface");
        return;
    }
    Require(ops.first().kind == DrawOp::Cls, "an accepting Show did not clear first");
    Require(surface.opsOfKind(DrawOp::Cls).size() == 1, "the painter cleared the surface");
    if (table.MaxValue < 1) {
        Require(ops.size() == 1, "the painter drew with no count above 0");
        return;
    }
    Require(surface.boxes().size() == table.EntryCount, "box count is not EntryCount");
    Require(surface.texts().size() == ExpectedTexts(table), "wrong number of texts");
}

void CheckRepaint(FormState& form, Int16 scheme, const RecordingSurface& shown)
{
    RecordingSurface repaint;
    PaintGrid(form, scheme, repaint);
    const QList<DrawOp>& first = shown.ops();
    const QList<DrawOp>& again = repaint.ops();
    // The Show's log starts with its Cls; the repaint's does not.
    Require(again.size() + (first.isEmpty() ? 0 : 1) == first.size(),
            "a repaint drew a different number of operations");
    for (qsizetype i = 0; i < again.size(); ++i) {
        const DrawOp& a = first[i + 1];
        const DrawOp& b = again[i];
        Require(a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2
                    && a.colour == b.colour && a.fill == b.fill && a.fillStyle == b.fillStyle
                    && a.text == b.text,
                "a repaint drew a different picture");
    }
}

// Puts back the slots a Show may have written, so the next input starts from
// the same table without copying all 10001 slots each time.
void Restore(FormState& form, const FormState& before)
{
    for (int i = 1; i <= form.entries.EntryCount; ++i) {
        form.entries.EntryNames[std::size_t(i)] = before.entries.EntryNames[std::size_t(i)];
        form.entries.EntryValues[std::size_t(i)] = before.entries.EntryValues[std::size_t(i)];
    }
    form.entries.EntryCount = before.entries.EntryCount;
    form.entries.MaxValue = before.entries.MaxValue;
    form.entries.TotalValue = before.entries.TotalValue;
    form.palette = before.palette;
    form.grid = before.grid;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzInput input = Split(data, size);
    const FormState& before = StartingState();
    static FormState form = before;
    RecordingSurface surface;
    const std::optional<ShowError> error
        = ShowList(form, ShowInputs { input.list, input.threshold }, input.scheme, surface);
    if (error) {
        CheckRejected(before, form, surface, *error);
    } else {
        CheckTable(before, form.entries);
        CheckPicture(form.entries, surface);
        CheckRepaint(form, input.scheme, surface);
    }
    Restore(form, before);
    return 0;
}
