// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list box: a plain text edit without wrapping whose pasted and dropped
// text goes into text blocks of at most kPieceLength characters (see
// window/line_pieces.h for why): short lines share a block, a longer line
// is held in pieces, one block each. The pieces show only on the screen:
// the list box gives its text and its selection as the tool reads them, a
// join between two pieces is nothing there, Enter starts a line, Backspace
// and Delete (and the word deletions) at a join act beyond it, and a copy
// leaves the joins out.

#include <QPlainTextEdit>
#include <QString>

namespace cellaro {

class ListBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

    // The list's text as the tool reads it: a carriage return and a line
    // feed at every line break, whatever the document keeps.
    QString Text() const;

    // The selection, counted in Text().
    int SelStart() const;
    int SelLength() const;

protected:
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int EndPosition() const;
    // The position in Text() of a text cursor position.
    int TextPosition(int position) const;
    bool DeleteBeyondJoin(const QKeyEvent& key);
    void StepOverJoinForWordDeletion(const QKeyEvent& key);
};

} // namespace cellaro
