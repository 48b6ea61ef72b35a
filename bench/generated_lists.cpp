// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "generated_lists.h"

#include "paint/header_letters.h"

#include <QStringList>

namespace cellaro::bench {

namespace {

// A scattered but fixed walk over 0..1999 (7919 is prime to 2000).
int ScatteredCount(int i) { return (i * 7919 + 13) % 2000; }

QString PairLabel(const QStringList& letters, int i)
{
    const int pairs = int(letters.size() * letters.size());
    QString label = letters[(i / letters.size()) % letters.size()] + letters[i % letters.size()];
    if (i >= pairs)
        label += QString::number(i / pairs);
    return label;
}

QString Line(const QString& label, int count)
{
    return label + u',' + QString::number(count) + QStringLiteral("\r\n");
}

// A count that reaches the split threshold, or one that falls below it.
int CountAbove(int i) { return kSplitThreshold + ScatteredCount(i); }
int CountBelow(int i) { return kSplitThreshold - 1 - ScatteredCount(i); }

} // namespace

QString GeneratedList(int entries)
{
    const QStringList letters = HeaderTexts();
    QString text;
    text.reserve(entries * 12);
    for (int i = 0; i < entries; ++i)
        text += Line(PairLabel(letters, i), ScatteredCount(i));
    return text;
}

QString TenthAcceptedList(int lines)
{
    const QStringList letters = HeaderTexts();
    QString text;
    text.reserve(lines * 12);
    for (int i = 0; i < lines; ++i)
        text += Line(PairLabel(letters, i), i % 10 == 0 ? CountAbove(i) : CountBelow(i));
    return text;
}

QString PasteList(int lines, int accepted)
{
    const QStringList letters = HeaderTexts();
    QString text;
    text.reserve(lines * 12);
    for (int i = 0; i < lines; ++i)
        text += Line(PairLabel(letters, i), i < accepted ? CountAbove(i) : CountBelow(i));
    return text;
}

} // namespace cellaro::bench
