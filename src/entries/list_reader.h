// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Accepts the finished lines of a list one at a time. A line is
// "label,count": the label is everything before the first comma and the
// count is the leading number after it. A line is accepted when it has a
// comma and its count reaches the threshold. Nothing is stored in the table
// here: the accepted lines wait until the whole list has been read.

#include "entries/entry_table.h"
#include "entries/list_lines.h"
#include "surface/basic_services.h"
#include "surface/int16.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace cellaro {

struct ShowError {
    enum Kind { Overflow, TooManyEntries };
    Kind kind = Overflow;
    int line = 0; // 1-based line of the list text
};

QString DescribeShowError(const ShowError& error);

// A label is read where it stands in the list text when that text lasts
// until the list is stored; otherwise it is kept as a copy, which can move
// into the table.
struct AcceptedLabel {
    QStringView text;
    bool kept = false;
};

struct ParsedList {
    std::vector<AcceptedLabel> labels;
    std::vector<QString> keptLabels; // in the order they were accepted
    std::vector<Int16> values;
    Int16 maxValue = 0;
    std::int32_t totalValue = 0;
};

class ListReader {
public:
    explicit ListReader(double threshold) : threshold_(threshold) {}

    // Room for every line a text of this length can hold, up to the
    // table's size: an accepted line takes at least a comma and a line feed.
    void reserveFor(qsizetype textLength);

    // Accepts or skips the next finished line. Returns false when the line
    // cannot be stored; error() then says why.
    [[gnu::always_inline]] bool finishLine(const FinishedLine& line);

    const std::optional<ShowError>& error() const { return error_; }
    ParsedList&& list() && { return std::move(list_); }

private:
    AcceptedLabel keptLabel(QStringView label);
    void accept(AcceptedLabel label, Int16 value);

    double threshold_;
    int lines_ = 0;
    ParsedList list_;
    std::optional<ShowError> error_;
    QString scratch_;
};

// The line as the buffer holds it: without codes 0 to 13.
QStringView LineBuffer(QStringView raw, QString& scratch);

// Inline: it runs once per line, from the splitter's loop.
[[gnu::always_inline]] inline bool ListReader::finishLine(const FinishedLine& line)
{
    const int lineNumber = ++lines_;
    const bool asItStands = line.readsAsItStands();
    const QStringView buffer = asItStands ? line.raw : LineBuffer(line.raw, scratch_);
    const qsizetype comma = asItStands ? line.comma : buffer.indexOf(u',');
    if (comma < 0)
        return true;
    const double count = Val(buffer.sliced(comma + 1));
    if (!(count >= threshold_))
        return true;
    if (list_.values.size() == std::size_t(kMaxEntries)) {
        error_ = ShowError { ShowError::TooManyEntries, lineNumber };
        return false;
    }
    const std::optional<Int16> value = ToInt16(count);
    if (!value) {
        error_ = ShowError { ShowError::Overflow, lineNumber };
        return false;
    }
    const QStringView label = buffer.first(comma);
    accept(asItStands && line.lasting ? AcceptedLabel { label, false } : keptLabel(label), *value);
    return true;
}

inline void ListReader::accept(AcceptedLabel label, Int16 value)
{
    list_.labels.push_back(label);
    list_.values.push_back(value);
    list_.totalValue += value;
    if (value > list_.maxValue)
        list_.maxValue = value;
}

} // namespace cellaro
