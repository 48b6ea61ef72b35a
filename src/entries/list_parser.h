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

#include <memory>
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

// The same reading for a list that arrives in pieces, from a file or a pipe:
// only the line being read and the accepted entries are kept, so memory
// follows the accepted entries, not the text's length.
class ListStream {
public:
    explicit ListStream(double threshold);
    ~ListStream();
    ListStream(const ListStream&) = delete;
    ListStream& operator=(const ListStream&) = delete;

    // Reads the next piece of the text. False once a line that cannot be
    // stored was read: the outcome is decided and the rest need not be read.
    bool Add(QStringView piece);

    // What ReadList would have done with the whole text: stores the accepted
    // entries, or gives the error and leaves the table untouched. Text after
    // the last line feed is never finished, so it is never read. The labels
    // move into the table: the stream is done with.
    std::optional<ShowError> StoreInto(EntryTable& table) &&;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace cellaro
