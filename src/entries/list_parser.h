#pragma once
// Reads the list text into the entry table. A line is "label,count" and is
// finished by a line feed; characters with codes 0 to 13 never become part
// of a line; the label is everything before the first comma and the count
// is the leading number after it. A line is accepted when it has a comma and
// its count reaches the threshold.
//
// The whole list is read before anything is stored, so a list that cannot
// be stored (a count outside 16 bits, more than 10000 accepted lines) is
// rejected as a whole and names the offending line.

#include "entries/entry_table.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace cellaro {

struct ShowError {
    enum Kind { Overflow, TooManyEntries };
    Kind kind = Overflow;
    int line = 0; // 1-based line of the list text
};

QString DescribeShowError(const ShowError& error);

// The threshold box's text as the parser reads it: Val(Trim(text)).
double ReadThreshold(QStringView thresholdText);

// Parses the whole list and, only when every accepted line can be stored,
// replaces the table's content from index 1 upwards (slots above the new
// count keep what they held). A rejected list leaves the table untouched.
std::optional<ShowError> ReadList(EntryTable& table, QStringView listText, double threshold);

} // namespace cellaro
