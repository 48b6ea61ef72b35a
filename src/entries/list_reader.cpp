// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/list_reader.h"

#include <algorithm>

namespace cellaro {

QString DescribeShowError(const ShowError& error)
{
    switch (error.kind) {
    case ShowError::Overflow:
        return QStringLiteral("Overflow in line %1: the count is outside -32768..32767.")
            .arg(error.line);
    case ShowError::TooManyEntries:
        return QStringLiteral("Too many entries: line %1 would be entry %2, but at most %3 are shown.")
            .arg(error.line)
            .arg(kMaxEntries + 1)
            .arg(kMaxEntries);
    }
    return {};
}

QStringView LineBuffer(QStringView raw, QString& scratch)
{
    scratch.clear();
    scratch.reserve(raw.size());
    for (QChar c : raw)
        if (!IsDroppedCharacter(c))
            scratch.append(c);
    return scratch;
}

void ListReader::reserveFor(qsizetype textLength)
{
    const std::size_t room = std::size_t(std::min<qsizetype>(textLength / 2, kMaxEntries));
    if (list_.values.capacity() < room) {
        list_.labels.reserve(room);
        list_.values.reserve(room);
    }
}

// The copy's characters stay where they are when the vector grows.
AcceptedLabel ListReader::keptLabel(QStringView label)
{
    list_.keptLabels.push_back(label.toString());
    return AcceptedLabel { list_.keptLabels.back(), true };
}

} // namespace cellaro
