// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cuts the list text into finished lines, however the text arrives: whole,
// or in pieces of any size. A line feed finishes a line; characters with
// codes 0 to 13 never become part of one; text after the last line feed is
// never finished.
//
// A line that lies within one piece is handed on where it stands, with
// where its first comma and its first dropped character are, found in the
// one pass that looks for the line feed. Only a line that runs on from one
// piece into the next is copied, and then without its dropped characters.

#include <QString>
#include <QStringView>

namespace cellaro {

inline bool IsDroppedCharacter(QChar c) { return c.unicode() <= 13; }

// A finished line, without its line feed.
struct FinishedLine {
    QStringView raw;              // may still hold dropped characters
    qsizetype comma = -1;         // the first comma in raw, or -1
    qsizetype firstDropped = -1;  // the first dropped character in raw, or -1
    bool lasting = false;         // raw stays unchanged until the list is stored

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

class LineSplitter {
public:
    // Hands every line that `piece` finishes to `onLine`, in order, and
    // stops as soon as `onLine` returns false. A lasting piece stays
    // unchanged until the list is stored, so its lines are lasting too.
    template <typename OnLine>
    bool add(QStringView piece, bool lasting, OnLine&& onLine);

private:
    template <typename OnLine>
    bool finish(const FinishedLine& line, OnLine& onLine);

    // Appends to the line that runs on, without dropped characters.
    void carry(QStringView run);

    QString carried_;
    qsizetype carriedComma_ = -1;
    // The unfinished end of a lasting piece: copied only if another piece
    // comes, since a text read whole never finishes it.
    QStringView waiting_;
};

template <typename OnLine>
bool LineSplitter::add(QStringView piece, bool lasting, OnLine&& onLine)
{
    if (!waiting_.isEmpty()) {
        carry(waiting_);
        waiting_ = {};
    }
    FinishedLine line { {}, -1, -1, lasting };
    qsizetype lineStart = 0;
    // Every character above the comma's code (letters, digits, point,
    // minus) is passed over at the first test.
    const char16_t* const text = piece.utf16();
    for (qsizetype i = 0; i < piece.size(); ++i) {
        const char16_t c = text[i];
        if (c > u',')
            continue;
        if (c == u',') {
            if (line.comma < 0)
                line.comma = i - lineStart;
        } else if (c == u'\n') {
            line.raw = piece.sliced(lineStart, i - lineStart);
            if (!finish(line, onLine))
                return false;
            line = FinishedLine { {}, -1, -1, lasting };
            lineStart = i + 1;
        } else if (IsDroppedCharacter(c) && line.firstDropped < 0) {
            line.firstDropped = i - lineStart;
        }
    }
    const QStringView rest = piece.sliced(lineStart);
    if (lasting && carried_.isEmpty())
        waiting_ = rest;
    else
        carry(rest);
    return true;
}

// A line begun in an earlier piece is finished in the copy; what the copy
// holds is clean. (Nothing carried but dropped characters leaves the copy
// empty, and the line then reads as its part in this piece.)
template <typename OnLine>
bool LineSplitter::finish(const FinishedLine& line, OnLine& onLine)
{
    if (carried_.isEmpty())
        return onLine(line);
    carry(line.raw);
    const bool goesOn = onLine(FinishedLine { carried_, carriedComma_, -1, false });
    carried_.clear();
    carriedComma_ = -1;
    return goesOn;
}

} // namespace cellaro
