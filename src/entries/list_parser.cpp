#include "entries/list_parser.h"

#include "window/basic_services.h"

namespace cellaro {

namespace {

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

class ListReader {
public:
    explicit ListReader(double threshold) : threshold_(threshold) {}

    // Returns false when the line cannot be stored; error() then says why.
    bool finishLine(QStringView raw, int lineNumber)
    {
        const QStringView buffer = LineBuffer(raw, scratch_);
        const qsizetype comma = buffer.indexOf(u',');
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
        accept(buffer.first(comma), *value);
        return true;
    }

    ParseOutcome outcome() && { return ParseOutcome { std::move(list_), error_ }; }

private:
    void accept(QStringView label, Int16 value)
    {
        list_.names.emplace_back(label.toString());
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

ParseOutcome ParseList(QStringView listText, double threshold)
{
    ListReader reader(threshold);
    int lineNumber = 1;
    qsizetype lineStart = 0;
    // Text after the last line feed is never finished, so it is never read.
    for (qsizetype feed = listText.indexOf(u'\n'); feed >= 0;
         feed = listText.indexOf(u'\n', lineStart)) {
        if (!reader.finishLine(listText.sliced(lineStart, feed - lineStart), lineNumber))
            break;
        lineStart = feed + 1;
        ++lineNumber;
    }
    return std::move(reader).outcome();
}

void StoreParsedList(EntryTable& table, ParsedList&& list)
{
    const std::size_t count = list.values.size();
    for (std::size_t i = 0; i < count; ++i) {
        table.EntryNames[i + 1] = std::move(list.names[i]);
        table.EntryValues[i + 1] = list.values[i];
    }
    table.EntryCount = Int16(count);
    table.MaxValue = list.maxValue;
    table.TotalValue = list.totalValue;
}

} // namespace cellaro
