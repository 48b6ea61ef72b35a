// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/list_parser.h"

#include <algorithm>

namespace cellaro {

namespace {

// Copies into the slot's own buffer, which a table shown before already
// holds, so a repeated Show allocates nothing here; a label of the length
// the slot has needs not even the resize. (data() unshares a slot whose
// text was handed out.)
void StoreLabel(QString& slot, QStringView label)
{
    if (slot.size() == label.size())
        std::copy(label.begin(), label.end(), slot.data());
    else
        slot.setUnicode(label.data(), label.size());
}

// Replaces the table's content from index 1 upwards; slots above the new
// count keep what they held. Kept copies move into the table instead of
// being copied a second time, which matters for long labels.
void StoreParsedList(EntryTable& table, ParsedList&& list)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < list.labels.size(); ++i) {
        QString& slot = table.EntryNames[i + 1];
        if (list.labels[i].kept)
            slot = std::move(list.keptLabels[kept++]);
        else
            StoreLabel(slot, list.labels[i].text);
    }
    std::copy(list.values.begin(), list.values.end(), table.EntryValues.begin() + 1);
    table.EntryCount = Int16(list.values.size());
    table.MaxValue = list.maxValue;
    table.TotalValue = list.totalValue;
}

} // namespace

double ReadThreshold(QStringView thresholdText) { return Val(Trim(thresholdText)); }

std::optional<ShowError> ReadList(EntryTable& table, QStringView listText, double threshold)
{
    ListStream list(threshold);
    list.Add(listText, ListStream::PieceLife::KeptUntilStored);
    return std::move(list).StoreInto(table);
}

bool ListStream::Add(QStringView piece, PieceLife life)
{
    if (reader_.error())
        return false;
    const bool lasting = life == PieceLife::KeptUntilStored;
    if (lasting)
        reader_.reserveFor(piece.size());
    return lines_.add(piece, lasting, [this](const FinishedLine& line) { return reader_.finishLine(line); });
}

std::optional<ShowError> ListStream::StoreInto(EntryTable& table) &&
{
    if (!reader_.error())
        StoreParsedList(table, std::move(reader_).list());
    return reader_.error();
}

} // namespace cellaro
