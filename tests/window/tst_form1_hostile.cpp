// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile lists typed or pasted into the real window. Whatever the text,
// the window keeps running, shows what it can, says in one message box what
// it cannot (naming the line), and never loses the list text.
//
// Every row starts from the default list shown in the grey scheme, so a
// rejected or empty Show can be checked to leave that picture untouched.

#include "support/window_fixture.h"

#include "entries/list_parser.h"
#include "window/line_pieces.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace cellaro;
using namespace cellaro::testing;

namespace {

constexpr int kNoError = -1;
constexpr int kFiveMegabytes = 5 * 1024 * 1024;

// What Show leaves in the drawing area.
enum Picture {
    Unchanged, // neither cleared nor drawn: the default list's grid stays
    Blank,     // cleared, and nothing drawn since no count is above 0
    Drawn,     // a grid whose first cell holds the largest count
};

// A pixel inside the first cell's box, near its bottom-right corner, away
// from the texts at its top-left: the box ends at 225 + 15 * (CellWidth + 4)
// twips, that is 15 + CellWidth + 4 pixels.
QPoint InsideFirstBox(const GridGeometry& grid)
{
    return QPoint(15 + grid.CellWidth + 4 - 2, 15 + grid.CellHeight + 4 - 2);
}

// The list box keeps every line break as CR LF in the tool's text.
QString AsToolText(QString list) { return list.replace(u'\n', QStringLiteral("\r\n")); }

// Milliseconds from an input to the window having handled it and what it
// posted, its repaints included.
template <typename Input>
qint64 AnswerTime(Input input)
{
    QElapsedTimer timer;
    timer.start();
    input();
    QTest::qWait(20);
    return timer.elapsed();
}

// Code built with AddressSanitizer runs several times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kSlowdown = 5;
#else
constexpr qint64 kSlowdown = 1;
#endif

// Three times the budgets the window answers in after a big paste (2 s for
// the first click, 0.3 s after that), so a loaded machine cannot fail them.
constexpr qint64 kFirstAnswerLimit = 3 * 2000 * kSlowdown;
constexpr qint64 kLaterAnswerLimit = 3 * 300 * kSlowdown;

} // namespace

class TestForm1Hostile : public QObject {
    Q_OBJECT

private slots:
    void show_data();
    void show();
    void answersAfterBigPaste_data();
    void answersAfterBigPaste();
    void editsAtPieceJoins_data();
    void editsAtPieceJoins();
};

void TestForm1Hostile::show_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<int>("error"); // ShowError::Kind or kNoError
    QTest::addColumn<int>("errorLine");
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<int>("totalValue");
    QTest::addColumn<int>("picture");

    const auto accepted = [](const char* name, const QString& list, const QString& threshold,
                             bool pasted, int count, int max, int total, Picture picture) {
        QTest::newRow(name) << list << threshold << pasted << kNoError << 0 << count << max << total
                            << int(picture);
    };
    // A rejected list leaves the default list's table: 36 entries, 1377, 4771.
    const auto rejected = [](const char* name, const QString& list, const QString& threshold,
                             bool pasted, ShowError::Kind kind, int line) {
        QTest::newRow(name) << list << threshold << pasted << int(kind) << line << 36 << 1377 << 4771
                            << int(Unchanged);
    };

    accepted("empty text", QString(), "0", false, 0, 0, 0, Unchanged);
    accepted("no line feed", "a,5", "0", false, 0, 0, 0, Unchanged);
    accepted("10000 accepted lines", QString("x,1\n").repeated(10000), "0", false, 10000, 1, 10000,
             Drawn);
    rejected("10001 accepted lines", QString("x,1\n").repeated(10001), "0", false,
             ShowError::TooManyEntries, 10001);
    accepted("count 32767", "x,32767\n", "-1e9", false, 1, 32767, 32767, Drawn);
    rejected("count 32767.5", "a,1\nx,32767.5\n", "-1e9", false, ShowError::Overflow, 2);
    rejected("count -32769", "x,-32769\n", "-1e9", false, ShowError::Overflow, 1);
    rejected("count 1e309", "x,1e309\n", "-1e9", false, ShowError::Overflow, 1);
    accepted("count -32768.5", "x,-32768.5\n", "-1e9", false, 1, 0, -32768, Blank);
    accepted("count nan", "x,nan\n", "-1e9", false, 1, 0, 0, Blank);
    accepted("threshold 1e309", "x,5\n", "1e309", false, 0, 0, 0, Unchanged);
    accepted("threshold nan reads 0", "x,-1\ny,2\n", "nan", false, 1, 2, 2, Drawn);
    rejected("threshold -1e309 lets -32769 in", "x,-32769\n", "-1e309", false, ShowError::Overflow, 1);
    accepted("10000-character label", QString(10000, u'L') + ",7\n", "0", false, 1, 7, 7, Drawn);
    accepted("NUL and other control characters",
             QStringLiteral("a") + QChar(0) + "b" + QChar(7) + ",1" + QChar(11) + "2\n", "0", false, 1,
             12, 12, Drawn);
    accepted("lone surrogates", QString(QChar(0xD800)) + "x,3\ny," + QChar(0xDC00) + "3\n", "0", false, 2,
             3, 3, Drawn);
    accepted("4-byte UTF-8", QString::fromUtf8("\xF0\x9F\x98\x80,4\nz,4\n"), "0", false, 2, 4, 8, Drawn);
    rejected("5 MB paste of accepted lines", (QString(70, u'w') + ",1\n").repeated(kFiveMegabytes / 73),
             "0", true, ShowError::TooManyEntries, 10001);
    accepted("5 MB paste under the threshold",
             (QString(70, u'w') + ",0\n").repeated(kFiveMegabytes / 73) + "z,5\n", "1", true, 1, 5, 5,
             Drawn);
    accepted("all counts negative", "a,-1\nb,-5\n", "-10", false, 2, 0, -6, Blank);
    accepted("counts summing to 0", "a,5\nb,-5\n", "-10", true, 2, 5, 0, Drawn);
}

void TestForm1Hostile::show()
{
    QFETCH(QString, list);
    QFETCH(QString, threshold);
    QFETCH(bool, pasted);
    QFETCH(int, error);
    QFETCH(int, errorLine);
    QFETCH(int, entryCount);
    QFETCH(int, maxValue);
    QFETCH(int, totalValue);
    QFETCH(int, picture);

    WindowFixture window;
    QVERIFY(window.Show());
    QVERIFY(window.ClickShow());
    const QImage defaultPicture = window.Image();
    QVERIFY(!GridAreaIsBlank(defaultPicture));

    if (pasted)
        window.Paste(list);
    else
        window.Type(list);
    window.form->Text2()->setText(threshold);
    QCOMPARE(window.form->ListText(), AsToolText(list));

    QVERIFY(window.ClickShow());
    QVERIFY(window.form->isVisible());
    QCOMPARE(window.form->ListText(), AsToolText(list));
    QCOMPARE(window.form->Text2()->text(), threshold);

    if (error == kNoError) {
        QVERIFY(window.boxes.isEmpty());
    } else {
        QCOMPARE(window.boxes.size(), 1);
        QCOMPARE(window.boxes.first().title, QStringLiteral("Cellaro"));
        QVERIFY(window.boxes.first().text.contains(QString::number(errorLine)));
    }

    const EntryTable& table = window.form->state().entries;
    QCOMPARE(int(table.EntryCount), entryCount);
    QCOMPARE(int(table.MaxValue), maxValue);
    QCOMPARE(int(table.TotalValue), totalValue);

    const QImage shown = window.Image();
    switch (Picture(picture)) {
    case Unchanged:
        QCOMPARE(shown, defaultPicture);
        break;
    case Blank:
        QVERIFY(GridAreaIsBlank(shown));
        break;
    case Drawn:
        // The grey scheme paints the largest count black.
        QCOMPARE(PixelAt(shown, InsideFirstBox(window.form->state().grid)), QColor(Qt::black));
        break;
    }
}

void TestForm1Hostile::answersAfterBigPaste_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("boxes"); // the marker's three, and Show's own
    QTest::addColumn<int>("entryCount"); // after Show of the edited list
    QString items;
    for (int i = 0; items.size() < kFiveMegabytes; ++i)
        items += QStringLiteral("label%1,%2 ").arg(i).arg(i % 2000);
    items.truncate(kFiveMegabytes);
    QTest::newRow("5 MB on one line") << items << 3 << 0;
    QString lines = items;
    lines.replace(u' ', u'\n');
    // Too many entries: Show says so and keeps the default list's 36.
    QTest::newRow("5 MB of lines") << lines << 4 << 36;
    QTest::newRow("5 MB of lines under the threshold")
        << (QString(70, u'w') + ",0\n").repeated(kFiveMegabytes / 73) + "z,5\n" << 3 << 1;
}

// Paste, a click on the grid, another, an edit at the start of the list, a
// click, Show: each answered in time, and the list text is still the paste.
void TestForm1Hostile::answersAfterBigPaste()
{
    QFETCH(QString, list);
    QFETCH(int, boxes);
    QFETCH(int, entryCount);

    WindowFixture window;
    QVERIFY(window.Show());
    QVERIFY(window.ClickShow());
    window.form->Text2()->setText("1");
    QPlainTextEdit* listBox = window.form->Text1();

    const auto answersWithin = [](qint64 limit, auto input) {
        const qint64 ms = AnswerTime(input);
        if (ms >= limit)
            qWarning("answered in %lld ms, more than %lld ms", ms, limit);
        return ms < limit;
    };
    QVERIFY(answersWithin(kFirstAnswerLimit, [&] { window.Paste(list); }));
    QVERIFY(answersWithin(kFirstAnswerLimit, [&] { window.ClickGrid(); }));
    QVERIFY(answersWithin(kLaterAnswerLimit, [&] { window.ClickGrid(); }));
    QVERIFY(answersWithin(kLaterAnswerLimit, [&] { QTest::keyClick(listBox, Qt::Key_Home, Qt::ControlModifier); }));
    QVERIFY(answersWithin(kLaterAnswerLimit, [&] { QTest::keyClick(listBox, Qt::Key_X); }));
    QVERIFY(answersWithin(kLaterAnswerLimit, [&] { window.ClickGrid(); }));
    bool shown = false;
    QVERIFY(answersWithin(kLaterAnswerLimit, [&] { shown = window.ClickShow(); }));
    QVERIFY(shown);

    QCOMPARE(window.boxes.size(), boxes);
    QCOMPARE(window.form->ListText(), AsToolText("x" + list));
    QCOMPARE(int(window.form->state().entries.EntryCount), entryCount);
}

// A pasted line of 1024 a's and 600 b's shows as two pieces, one row each.
// Keys at and around the join act on the line as the tool reads it, undo
// keeps the pieces, a second paste into the line leaves no block longer
// than a piece, and a copy, of the whole or of a part over the join, gives
// the text back without the join.
void TestForm1Hostile::editsAtPieceJoins_data()
{
    QTest::addColumn<int>("block"); // where the text cursor is put
    QTest::addColumn<int>("offset");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("selStart");

    const QString a(1024, u'a');
    const QString b(600, u'b');
    const QKeySequence undo(QKeySequence::Undo);
    QTest::newRow("Backspace at the join") << 1 << 0 << QKeySequence(Qt::Key_Backspace)
                                           << a.left(1023) + b << 1023;
    QTest::newRow("Delete at the join") << 0 << 1024 << QKeySequence(Qt::Key_Delete) << a + b.left(599)
                                        << 1024;
    QTest::newRow("Enter in a piece") << 1 << 100 << QKeySequence(Qt::Key_Return)
                                      << a + b.left(100) + "\n" + b.left(500) << 1126;
    QTest::newRow("Enter at the join") << 1 << 0 << QKeySequence(Qt::Key_Return) << a + "\n" + b << 1026;
    QTest::newRow("typed at the join") << 1 << 0 << QKeySequence(Qt::Key_X) << a + "x" + b << 1025;
    QTest::newRow("Backspace undone") << 1 << 0 << QKeySequence(QKeyCombination(Qt::Key_Backspace), undo[0]) << a + b << 1024;
    QTest::newRow("Enter undone") << 1 << 10 << QKeySequence(QKeyCombination(Qt::Key_Return), undo[0]) << a + b << 1034;
    QTest::newRow("Backspace in a piece") << 1 << 10 << QKeySequence(Qt::Key_Backspace)
                                          << a + b.left(599) << 1033;
    // One word of a's, one of b's.
    QTest::newRow("word deleted backwards at the join") << 1 << 0 << QKeySequence(QKeySequence::DeleteStartOfWord)
                                                        << b << 0;
    QTest::newRow("word deleted forwards at the join") << 0 << 1024 << QKeySequence(QKeySequence::DeleteEndOfWord)
                                                       << a << 1024;
    // The clipboard still holds the pasted line.
    const QKeySequence paste(QKeySequence::Paste);
    QTest::newRow("pasted again at the end") << 1 << 600 << paste << a + b + a + b << 3248;
    QTest::newRow("pasted again inside a piece") << 1 << 100 << paste << a + b.left(100) + a + b + b.mid(100)
                                                 << 2748;
    QTest::newRow("pasted again at the join") << 1 << 0 << paste << a + a + b + b << 2648;
    QTest::newRow("pasted again, undone") << 0 << 10 << QKeySequence(paste[0], undo[0]) << a + b << 10;
}

void TestForm1Hostile::editsAtPieceJoins()
{
    QFETCH(int, block);
    QFETCH(int, offset);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, list);
    QFETCH(int, selStart);

    WindowFixture window;
    QVERIFY(window.Show());
    const QString pasted = QString(1024, u'a') + QString(600, u'b');
    window.Paste(pasted);
    ListBox* listBox = window.form->Text1();
    QCOMPARE(listBox->document()->blockCount(), 2);
    QCOMPARE(window.form->ListText(), pasted);
    QTextCursor across(listBox->document());
    across.setPosition(1000);
    across.setPosition(1035, QTextCursor::KeepAnchor); // over the join
    listBox->setTextCursor(across);
    listBox->copy();
    QCOMPARE(QApplication::clipboard()->text(), QString(24, u'a') + QString(10, u'b'));
    QApplication::clipboard()->setText(pasted); // for the rows that paste again

    QTextCursor cursor(listBox->document()->findBlockByNumber(block));
    cursor.setPosition(cursor.position() + offset);
    listBox->setTextCursor(cursor);
    QTest::keySequence(listBox, keys);

    QCOMPARE(window.form->ListText(), AsToolText(list));
    QCOMPARE(window.form->SelStart(), selStart);
    QCOMPARE(window.form->SelLength(), 0);
    for (QTextBlock b = listBox->document()->begin(); b.isValid(); b = b.next())
        QVERIFY2(b.length() - 1 <= kPieceLength, qPrintable(QString::number(b.length() - 1)));
    listBox->selectAll();
    listBox->copy();
    QCOMPARE(QApplication::clipboard()->text(), list);
}

QTEST_MAIN(TestForm1Hostile)
#include "tst_form1_hostile.moc"
