// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/line_pieces.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace cellaro {

namespace {

// Qt's text cursor starts a block at a few noncharacters, which its
// documents keep as marks of their own. Which ones is Qt's to say, so a
// document is asked, once, about each noncharacter.
bool TextEditStartsBlockAt(QChar c)
{
    static const std::vector<char16_t> starters = [] {
        std::vector<char16_t> found;
        for (char32_t u = 0; u <= 0xFFFF; ++u) {
            if (!QChar::isNonCharacter(u))
                continue;
            QTextDocument document;
            QTextCursor(&document).insertText(QString(QChar(char16_t(u))));
            if (document.blockCount() > 1)
                found.push_back(char16_t(u));
        }
        return found;
    }();
    return std::find(starters.begin(), starters.end(), c.unicode()) != starters.end();
}

// Where the list box starts a row: at every line break the tool reads, and
// wherever the text edit would start a block of its own.
bool IsRowBreak(QChar c) { return c == u'\n' || c == u'\r' || (c.isNonCharacter() && TextEditStartsBlockAt(c)); }

bool IsLineOrParagraphSeparator(QChar c) { return c == QChar::LineSeparator || c == QChar::ParagraphSeparator; }

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
    if (std::any_of(text.begin(), text.end(), IsLineOrParagraphSeparator)) {
        QString kept = text.toString();
        kept.removeIf(IsLineOrParagraphSeparator);
        return InsertedBlocks(kept);
    }
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

} // namespace cellaro
