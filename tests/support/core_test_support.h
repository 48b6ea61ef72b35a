// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared building blocks of the core's tests: tables made from plain lists of
// counts, the locale switch the percentage texts depend on, and readable
// comparisons of recorded drawing operations.

#include "entries/default_list.h"
#include "entries/list_parser.h"
#include "paint/grid_painter.h"
#include "paint/start_up.h"
#include "surface/recording_surface.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace cellaro::testing {

// The margins the window sets at start-up; the reference layouts assume them.
inline constexpr Int16 kWindowMargin = kStartUpMarginTwips;

// The table after Show of the default list at threshold 0 in scheme 0.
inline FormState ShownDefaultList()
{
    FormState form = StartUpFormState();
    FormSurface nowhere;
    const QString list = DefaultListText();
    ShowList(form, ShowInputs { list, u"0" }, 0, nowhere);
    return form;
}

// A table holding `counts` as entries 1..n, labelled "n1", "n2", ..., with the
// maximum and total that a parse of the same counts leaves behind.
inline FormState FormWithCounts(const QList<int>& counts)
{
    FormState form = StartUpFormState();
    EntryTable& table = form.entries;
    int maxValue = 0;
    int total = 0;
    for (int o = 1; o <= counts.size(); ++o) {
        const int count = counts[o - 1];
        table.EntryNames[std::size_t(o)] = QStringLiteral("n%1").arg(o);
        table.EntryValues[std::size_t(o)] = Int16(count);
        maxValue = std::max(maxValue, count);
        total += count;
    }
    table.EntryCount = Int16(counts.size());
    table.MaxValue = Int16(maxValue);
    table.TotalValue = total;
    return form;
}

// `n` entries whose counts run 1, 2, ..., n (clipped to 16 bits), so that
// neighbouring cells get different colours.
inline QList<int> RisingCounts(int n)
{
    QList<int> counts;
    for (int o = 1; o <= n; ++o)
        counts.append(std::min(o, 32767));
    return counts;
}

inline QList<int> Repeated(int n, int count) { return QList<int>(n, count); }

// The table the parser builds from a list text and a threshold text.
inline FormState FormFromList(const QString& listText, const QString& thresholdText)
{
    FormState form = StartUpFormState();
    ReadList(form.entries, listText, ReadThreshold(thresholdText));
    return form;
}

// A list text of `n` lines "e,<count>", each ended by a line feed.
inline QString LinesOf(int n, const QString& count = QStringLiteral("1"))
{
    return QStringLiteral("e,%1\n").arg(count).repeated(n);
}

inline QStringList LabelsOf(const EntryTable& table)
{
    QStringList labels;
    for (int o = 1; o <= table.EntryCount; ++o)
        labels.append(table.EntryNames[std::size_t(o)]);
    return labels;
}

inline QList<int> CountsOf(const EntryTable& table)
{
    QList<int> counts;
    for (int o = 1; o <= table.EntryCount; ++o)
        counts.append(table.EntryValues[std::size_t(o)]);
    return counts;
}

// Sets the default locale for the life of the object.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(previous_); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    QLocale previous_;
};

inline QLocale UsEnglish() { return QLocale(QLocale::English, QLocale::UnitedStates); }

inline const char* KindName(DrawOp::Kind kind)
{
    switch (kind) {
    case DrawOp::Cls: return "Cls";
    case DrawOp::Box: return "Box";
    case DrawOp::Print: return "Print";
    case DrawOp::SetCurrentX: return "SetCurrentX";
    case DrawOp::SetCurrentY: return "SetCurrentY";
    case DrawOp::SetForeColor: return "SetForeColor";
    case DrawOp::SetFillColor: return "SetFillColor";
    case DrawOp::ReadFillColor: return "ReadFillColor";
    case DrawOp::SetFillStyle: return "SetFillStyle";
    }
    return "?";
}

inline QStringList KindsOf(const QList<DrawOp>& ops)
{
    QStringList kinds;
    for (const DrawOp& op : ops)
        kinds.append(QString::fromLatin1(KindName(op.kind)));
    return kinds;
}

inline QString Describe(const DrawOp& op)
{
    return QStringLiteral("%1 (%2,%3)-(%4,%5) colour %6 fill %7 style %8 \"%9\"")
        .arg(QString::fromLatin1(KindName(op.kind)))
        .arg(op.x1).arg(op.y1).arg(op.x2).arg(op.y2)
        .arg(op.colour).arg(op.fill).arg(int(op.fillStyle))
        .arg(op.text);
}

inline bool SameOp(const DrawOp& a, const DrawOp& b)
{
    return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2
        && a.colour == b.colour && a.fill == b.fill && a.fillStyle == b.fillStyle
        && a.text == b.text;
}

// Empty when both lists are equal, else where and how they first differ.
inline QString FirstDifference(const QList<DrawOp>& actual, const QList<DrawOp>& expected)
{
    const qsizetype common = std::min(actual.size(), expected.size());
    for (qsizetype i = 0; i < common; ++i)
        if (!SameOp(actual[i], expected[i]))
            return QStringLiteral("op %1: got %2, expected %3")
                .arg(i).arg(Describe(actual[i]), Describe(expected[i]));
    if (actual.size() != expected.size())
        return QStringLiteral("got %1 ops, expected %2").arg(actual.size()).arg(expected.size());
    return {};
}

} // namespace cellaro::testing
