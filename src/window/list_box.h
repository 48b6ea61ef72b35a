#pragma once
// The list box: a plain text edit without wrapping whose pasted and dropped
// text goes into text blocks of at most kPieceLength characters (see
// window/line_pieces.h for why): short lines share a block, a longer line
// is held in pieces, one block each. Enter starts a line, Backspace and
// Delete (and the word deletions) at a join act beyond it, and a copy leaves
// the joins out, so the pieces show only on the screen.

#include <QPlainTextEdit>
#include <QString>

namespace cellaro {

class ListBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

    // The document's raw text with each join between two pieces written as
    // kPieceJoin; positions in it are the text cursor's.
    QString WidgetText() const;

protected:
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool DeleteBeyondJoin(const QKeyEvent& key);
    void StepOverJoinForWordDeletion(const QKeyEvent& key);
};

} // namespace cellaro
