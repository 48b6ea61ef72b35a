#include "window/line_pieces.h"

#include <utility>

namespace cellaro {

namespace {

// Where the text edit starts a new block when the character is inserted.
bool IsRowBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator
        || c == kPieceJoin || c == QChar(0xFDD1);
}

// The length of the first piece of a line longer than kPieceLength.
qsizetype PieceLength(QStringView line)
{
    const QStringView piece = line.first(kPieceLength);
    const qsizetype blank = piece.lastIndexOf(u' ');
    if (blank >= kPieceLength / 2)
        return blank + 1;
    return piece.back().isHighSurrogate() ? kPieceLength - 1 : kPieceLength;
}

// Gathers lines and pieces into blocks.
class BlockGatherer {
public:
    void AddLine(QStringView line)
    {
        bool startsLine = !blocks_.empty();
        while (line.size() > kPieceLength) {
            const qsizetype length = PieceLength(line);
            Add(line.first(length), startsLine);
            line = line.sliced(length);
            startsLine = false;
        }
        Add(line, startsLine);
    }

    std::vector<InsertedBlock> Blocks() && { return std::move(blocks_); }

private:
    void Add(QStringView part, bool startsLine)
    {
        if (blocks_.empty()) {
            blocks_.push_back({ part.toString(), true });
        } else if (startsLine && blocks_.back().text.size() + 1 + part.size() <= kPieceLength) {
            blocks_.back().text += QChar::LineSeparator;
            blocks_.back().text += part;
        } else {
            blocks_.push_back({ part.toString(), !startsLine });
        }
    }

    std::vector<InsertedBlock> blocks_;
};

} // namespace

std::vector<InsertedBlock> InsertedBlocks(QStringView text)
{
    BlockGatherer gatherer;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsRowBreak(text[i]))
            continue;
        gatherer.AddLine(text.sliced(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    gatherer.AddLine(text.sliced(start));
    return std::move(gatherer).Blocks();
}

QString CopiedText(QStringView widgetText)
{
    QString text;
    text.reserve(widgetText.size());
    for (QChar c : widgetText) {
        if (c == kPieceJoin)
            continue;
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            text += u'\n';
        else if (c == QChar::Nbsp)
            text += u' ';
        else
            text += c;
    }
    return text;
}

} // namespace cellaro
