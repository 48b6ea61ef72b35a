// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/list_box.h"

#include "window/line_pieces.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace cellaro {

namespace {

// Marks a block that continues the line of the block before it. A block
// format property, so undo and redo restore it with the text.
constexpr int kContinuesLine = QTextFormat::UserProperty;

bool ContinuesLine(const QTextBlock& block)
{
    return block.blockFormat().boolProperty(kContinuesLine);
}

QTextBlockFormat RowFormat(bool continuesLine)
{
    QTextBlockFormat format;
    if (continuesLine)
        format.setProperty(kContinuesLine, true);
    return format;
}

// The text edit counts a block it has not laid out yet as one line; the
// vertical scroll bar would cover a fraction of the list until the user had
// scrolled through it.
void CountLines(QTextBlock block, const QString& text)
{
    block.setLineCount(int(text.count(QChar::LineSeparator)) + 1);
}

// When the block at the cursor and the text would not fit one block, the
// block is cut at the cursor with joins on both sides, which stand for no
// character: the text then goes into an empty block of its own, and a paste
// repeated on one line cannot grow a block without end.
void MakeRoom(QTextCursor& cursor, QStringView text)
{
    if (cursor.block().length() - 1 + text.size() <= kPieceLength)
        return;
    if (!cursor.atBlockEnd()) {
        cursor.insertBlock(RowFormat(true)); // the rest of the block goes on
        cursor.movePosition(QTextCursor::PreviousBlock);
        cursor.movePosition(QTextCursor::EndOfBlock);
    }
    if (!cursor.atBlockStart())
        cursor.insertBlock(RowFormat(true));
}

void InsertBlocks(QTextCursor& cursor, QStringView text)
{
    MakeRoom(cursor, text);
    bool first = true;
    for (const InsertedBlock& block : InsertedBlocks(text)) {
        if (!first)
            cursor.insertBlock(RowFormat(block.continuesLine));
        cursor.insertText(block.text);
        CountLines(cursor.block(), cursor.block().text());
        first = false;
    }
}

// Walks the list's text from document position `from` to `to` as the tool
// reads it: every stretch of characters goes to `run`, every line break to
// `lineBreak`. Lines that share a block are separated by line separators;
// a block ends its line unless the next block continues it, and a join
// between two pieces is nothing.
template <typename Run, typename LineBreak>
void WalkText(const QTextDocument& document, int from, int to, Run&& run, LineBreak&& lineBreak)
{
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        const QString text = block.text();
        const int start = block.position();
        const qsizetype first = std::max(from - start, 0);
        const qsizetype end = std::min<qsizetype>(to - start, text.size());
        QStringView part = QStringView(text).sliced(first, end - first);
        for (qsizetype at; (at = part.indexOf(QChar::LineSeparator)) >= 0; part = part.sliced(at + 1)) {
            run(part.first(at));
            lineBreak();
        }
        run(part);
        if (start + text.size() < to && !ContinuesLine(block.next()))
            lineBreak();
    }
}

bool AtJoinBefore(const QTextCursor& cursor)
{
    return cursor.atBlockStart() && ContinuesLine(cursor.block()) && cursor.position() > 0;
}

bool AtJoinAfter(const QTextCursor& cursor)
{
    return cursor.atBlockEnd() && ContinuesLine(cursor.block().next());
}

} // namespace

ListBox::ListBox(QWidget* parent) : QPlainTextEdit(parent) {}

QString ListBox::Text() const
{
    QString text;
    // Room for the characters and a CR LF at each block's end; lines that
    // share a block take a little more.
    text.reserve(document()->characterCount() + document()->blockCount());
    WalkText(
        *document(), 0, EndPosition(), [&text](QStringView run) { text += run; },
        [&text] { text += QStringLiteral("\r\n"); });
    return text;
}

int ListBox::SelStart() const { return TextPosition(textCursor().selectionStart()); }

int ListBox::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return TextPosition(cursor.selectionEnd()) - TextPosition(cursor.selectionStart());
}

int ListBox::EndPosition() const { return document()->characterCount() - 1; }

int ListBox::TextPosition(int position) const
{
    int length = 0;
    WalkText(
        *document(), 0, position, [&length](QStringView run) { length += int(run.size()); },
        [&length] { length += 2; });
    return length;
}

void ListBox::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText())
        return;
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    InsertBlocks(cursor, source->text());
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

// Only the selection's own text is built: on X11 every selection made is
// offered as the primary selection, whatever the size of the list. The copy
// has the form Qt's text edit copies in: a line feed at each line break, a
// blank for a no-break space.
QMimeData* ListBox::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    QString copied;
    WalkText(
        *document(), cursor.selectionStart(), cursor.selectionEnd(),
        [&copied](QStringView run) { copied += run; }, [&copied] { copied += u'\n'; });
    copied.replace(QChar::Nbsp, u' ');
    auto* data = new QMimeData;
    data->setText(copied);
    return data;
}

// Backspace and Delete at a join delete the character beyond it, as a join
// is no character; the text edit would only merge the two pieces.
bool ListBox::DeleteBeyondJoin(const QKeyEvent& key)
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        return false;
    const bool backward = key.matches(QKeySequence::Backspace)
        || (key.key() == Qt::Key_Backspace && !(key.modifiers() & ~Qt::ShiftModifier));
    const bool forward = key.matches(QKeySequence::Delete);
    if (backward && AtJoinBefore(cursor)) {
        while (AtJoinBefore(cursor))
            cursor.movePosition(QTextCursor::PreviousCharacter);
        cursor.deletePreviousChar();
    } else if (forward && AtJoinAfter(cursor)) {
        while (AtJoinAfter(cursor))
            cursor.movePosition(QTextCursor::NextCharacter);
        cursor.deleteChar();
    } else {
        return false;
    }
    setTextCursor(cursor);
    ensureCursorVisible();
    return true;
}

// Word deletions at a join start beyond it, where the word is: the text edit
// would take the join itself for the character to delete.
void ListBox::StepOverJoinForWordDeletion(const QKeyEvent& key)
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        return;
    if (key.matches(QKeySequence::DeleteStartOfWord) && AtJoinBefore(cursor)) {
        while (AtJoinBefore(cursor))
            cursor.movePosition(QTextCursor::PreviousCharacter);
    } else if (key.matches(QKeySequence::DeleteEndOfWord) && AtJoinAfter(cursor)) {
        while (AtJoinAfter(cursor))
            cursor.movePosition(QTextCursor::NextCharacter);
    } else {
        return;
    }
    setTextCursor(cursor);
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    if (isReadOnly())
        return QPlainTextEdit::keyPressEvent(event);
    // Enter starts a line: the new block must not take over the mark of a
    // piece it was split from.
    if (event->matches(QKeySequence::InsertParagraphSeparator)) {
        QTextCursor cursor = textCursor();
        cursor.insertBlock(RowFormat(false));
        setTextCursor(cursor);
        ensureCursorVisible();
        return event->accept();
    }
    if (DeleteBeyondJoin(*event))
        return event->accept();
    StepOverJoinForWordDeletion(*event);
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace cellaro
