#include "entries/list_parser.h"

#include "surface/basic_services.h"

#include <algorithm>
#include <vector>

namespace cellaro {

namespace {

// The accepted lines. Labels are views into the list text being parsed (or,
// for a line whose label held dropped characters, into a cleaned copy kept
// here), so the list is stored before that text can change.
struct ParsedList {
    std::vector<QStringView> labels;
    std::vector<QString> cleanedLabels;
    std::vector<Int16> values;
    Int16 maxValue = 0;
    std::int32_t totalValue = 0;
};

struct ParseOutcome {
    ParsedList list;
    std::optional<ShowError> error;
};

bool IsDroppedCharacter(QChar c) { return c.unicode() <= 13; }

// The line as the buffer holds it: without codes 0 to 13. Most lines carry
// only a trailing CR, so the line is taken as it stands where it can be.
QStringView LineBuffer(QStringView raw, QString& scratch)
{
    while (!raw.isEmpty() && IsDroppedCharacter(raw.back()))
        raw.chop(1);
    qsizetype i = 0;
    while (i < raw.size() && !IsDroppedCharacter(raw[i]))
        ++i;
    if (i == raw.size())
        return raw;
    scratch.clear();
    scratch.reserve(raw.size());
    for (QChar c : raw)
        if (!IsDroppedCharacter(c))
            scratch.append(c);
    return scratch;
}

// A line up to its line feed, with what the pass that found the feed saw on
// the way: where the first comma and the first dropped character stand.
struct ScannedLine {
    QStringView raw;
    qsizetype comma = -1;
    qsizetype firstDropped = -1;

    // True when the line reads the same with its dropped characters in
    // place: none, or only a tail such as the CR of a CR LF ending, which
    // follows everything the label and the count are read from.
    bool readsAsItStands() const
    {
        if (firstDropped < 0)
            return true;
        for (qsizetype i = firstDropped; i < raw.size(); ++i)
            if (!IsDroppedCharacter(raw[i]))
                return false;
        return true;
    }
};

class ListReader {
public:
    // Room for every line the text can hold, up to the table's size: an
    // accepted line takes at least a comma and a line feed.
    explicit ListReader(double threshold, qsizetype textLength = 0) : threshold_(threshold)
    {
        const std::size_t room = std::size_t(std::min<qsizetype>(textLength / 2, kMaxEntries));
        list_.labels.reserve(room);
        list_.values.reserve(room);
    }

    // Returns false when the line cannot be stored; error() then says why.
    bool finishLine(const ScannedLine& line, int lineNumber)
    {
        const bool asItStands = line.readsAsItStands();
        const QStringView buffer = asItStands ? line.raw : LineBuffer(line.raw, scratch_);
        const qsizetype comma = asItStands ? line.comma : buffer.indexOf(u',');
        return finishBuffer(buffer, comma, lineNumber, asItStands);
    }

    // A line as the buffer holds it (no dropped characters) with its first
    // comma, or -1. A label that lives only as long as the line is copied.
    [[gnu::always_inline]] bool finishBuffer(QStringView buffer, qsizetype comma, int lineNumber,
                                             bool labelOutlivesLine)
    {
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
        accept(labelOutlivesLine ? label : keptLabel(label), *value);
        return true;
    }

    ParseOutcome outcome() && { return ParseOutcome { std::move(list_), error_ }; }
    const std::optional<ShowError>& error() const { return error_; }

private:
    // A label read from a buffer that the next line reuses: keep a copy.
    // The copy's characters stay where they are when the vector grows.
    QStringView keptLabel(QStringView label)
    {
        list_.cleanedLabels.push_back(label.toString());
        return list_.cleanedLabels.back();
    }

    void accept(QStringView label, Int16 value)
    {
        list_.labels.push_back(label);
        list_.values.push_back(value);
        list_.totalValue += value;
        if (value > list_.maxValue)
            list_.maxValue = value;
    }

    double threshold_;
    ParsedList list_;
    std::optional<ShowError> error_;
    QString scratch_;
};

} // namespace

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

double ReadThreshold(QStringView thresholdText) { return Val(Trim(thresholdText)); }

namespace {

ParseOutcome ParseList(QStringView listText, double threshold)
{
    ListReader reader(threshold, listText.size());
    int lineNumber = 1;
    qsizetype lineStart = 0;
    ScannedLine line;
    // One pass over the characters; text after the last line feed is never
    // finished, so it is never read. Every character above the comma's code
    // (letters, digits, point, minus) is passed over at the first test.
    const char16_t* const text = listText.utf16();
    for (qsizetype i = 0; i < listText.size(); ++i) {
        const char16_t c = text[i];
        if (c > u',')
            continue;
        if (c == u',') {
            if (line.comma < 0)
                line.comma = i - lineStart;
        } else if (c == u'\n') {
            line.raw = listText.sliced(lineStart, i - lineStart);
            if (!reader.finishLine(line, lineNumber))
                break;
            line = ScannedLine {};
            lineStart = i + 1;
            ++lineNumber;
        } else if (IsDroppedCharacter(c) && line.firstDropped < 0) {
            line.firstDropped = i - lineStart;
        }
    }
    return std::move(reader).outcome();
}

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

// The counters and counts of the parsed list; slots above the new count keep
// what they held.
void StoreCounts(EntryTable& table, const ParsedList& list)
{
    const std::size_t count = list.values.size();
    std::copy(list.values.begin(), list.values.end(), table.EntryValues.begin() + 1);
    table.EntryCount = Int16(count);
    table.MaxValue = list.maxValue;
    table.TotalValue = list.totalValue;
}

// Replaces the table's content from index 1 upwards.
void StoreParsedList(EntryTable& table, const ParsedList& list)
{
    for (std::size_t i = 0; i < list.labels.size(); ++i)
        StoreLabel(table.EntryNames[i + 1], list.labels[i]);
    StoreCounts(table, list);
}

// The same for a list read in pieces, whose labels are all kept copies in
// the order they were accepted: they move into the table instead of being
// copied a second time, which matters for long labels.
void MoveParsedList(EntryTable& table, ParsedList&& list)
{
    for (std::size_t i = 0; i < list.cleanedLabels.size(); ++i)
        table.EntryNames[i + 1] = std::move(list.cleanedLabels[i]);
    StoreCounts(table, list);
}

} // namespace

std::optional<ShowError> ReadList(EntryTable& table, QStringView listText, double threshold)
{
    const ParseOutcome parsed = ParseList(listText, threshold);
    if (!parsed.error)
        StoreParsedList(table, parsed.list);
    return parsed.error;
}

struct ListStream::State {
    explicit State(double threshold) : reader(threshold) {}

    // A line feed finishes the line; a dropped character is left out.
    bool take(QStringView piece)
    {
        qsizetype start = 0;
        for (qsizetype i = 0; i < piece.size(); ++i) {
            if (!IsDroppedCharacter(piece[i]))
                continue;
            append(piece.sliced(start, i - start));
            start = i + 1;
            if (piece[i] == u'\n' && !finishLine())
                return false;
        }
        append(piece.sliced(start));
        return true;
    }

    void append(QStringView run)
    {
        if (comma < 0) {
            const qsizetype found = run.indexOf(u',');
            if (found >= 0)
                comma = line.size() + found;
        }
        line.append(run);
    }

    bool finishLine()
    {
        const bool stored = reader.finishBuffer(line, comma, lineNumber, false);
        line.clear();
        comma = -1;
        ++lineNumber;
        return stored;
    }

    ListReader reader;
    QString line;
    qsizetype comma = -1;
    int lineNumber = 1;
};

ListStream::ListStream(double threshold) : state_(std::make_unique<State>(threshold)) {}

ListStream::~ListStream() = default;

bool ListStream::Add(QStringView piece)
{
    return !state_->reader.error() && state_->take(piece);
}

std::optional<ShowError> ListStream::StoreInto(EntryTable& table) &&
{
    ParseOutcome outcome = std::move(state_->reader).outcome();
    if (!outcome.error)
        MoveParsedList(table, std::move(outcome.list));
    return outcome.error;
}

} // namespace cellaro
