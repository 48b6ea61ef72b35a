// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The list box's text as the tool reads it: CR LF at every line break and
// nothing at a join between two pieces of a long line; its selection
// counted in that text; what a copy of it gives; and the blocks a pasted
// text is held in.

#include "entries/default_list.h"
#include "window/line_pieces.h"
#include "window/list_box.h"

#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <memory>

using namespace cellaro;

namespace {

// Pastes and copies as the window's clipboard and drops do.
class TestedListBox : public ListBox {
public:
    void Fill(const QString& text, bool pasted)
    {
        if (!pasted)
            return setPlainText(text);
        QMimeData data;
        data.setText(text);
        insertFromMimeData(&data);
    }

    void Select(int anchor, int position)
    {
        QTextCursor cursor(document());
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        setTextCursor(cursor);
    }

    QString Copied() const { return std::unique_ptr<QMimeData>(createMimeDataFromSelection())->text(); }
};

// Blocks as "+text" for a block that continues the line before it and
// "|text" for a block that starts a line.
QStringList BlocksAsText(const std::vector<InsertedBlock>& blocks)
{
    QStringList texts;
    for (const InsertedBlock& block : blocks)
        texts << (block.continuesLine ? u'+' : u'|') + block.text;
    return texts;
}

const QChar kLs = QChar::LineSeparator;

QString Ws(int n) { return QString(n, u'w'); }

constexpr bool kSet = false;
constexpr bool kPasted = true;

} // namespace

class TestListBoxText : public QObject {
    Q_OBJECT

private slots:
    void text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted"); // or set as the document's text
        QTest::addColumn<int>("blocks");
        QTest::addColumn<QString>("tool");
        QTest::newRow("empty") << QString() << kSet << 1 << QString();
        QTest::newRow("one line") << QStringLiteral("a,1\n") << kSet << 2 << QStringLiteral("a,1\r\n");
        QTest::newRow("no final break") << QStringLiteral("a\nb") << kSet << 2 << QStringLiteral("a\r\nb");
        QTest::newRow("empty lines") << QStringLiteral("\n\n") << kSet << 3 << QStringLiteral("\r\n\r\n");
        QTest::newRow("paragraph separator") << QStringLiteral("x\u2029y") << kSet << 2 << QStringLiteral("x\r\ny");
        QTest::newRow("line separator") << QStringLiteral("x\u2028y") << kSet << 1 << QStringLiteral("x\r\ny");
        QTest::newRow("tab and blanks stay") << QStringLiteral(" a\t,5\n") << kSet << 2 << QStringLiteral(" a\t,5\r\n");
        QTest::newRow("no-break space stays") << QStringLiteral("a\u00A0b") << kSet << 1 << QStringLiteral("a\u00A0b");
        QTest::newRow("default list") << DefaultListText() << kSet << 37 << DefaultListText();
        QTest::newRow("default list pasted: lines share a block") << DefaultListText() << kPasted << 1 << DefaultListText();
        QTest::newRow("join is no character") << Ws(1024) + "c,1\n" << kPasted << 2 << Ws(1024) + "c,1\r\n";
        QTest::newRow("long line in pieces") << Ws(2500) << kPasted << 3 << Ws(2500);
        QTest::newRow("long line after a short one") << "a\n" + Ws(1500) << kPasted << 3 << "a\r\n" + Ws(1500);
        QTest::newRow("short line after a last piece") << Ws(1500) + "\nb" << kPasted << 2 << Ws(1500) + "\r\nb";
    }
    void text()
    {
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        QFETCH(int, blocks);
        QFETCH(QString, tool);
        TestedListBox box;
        box.Fill(text, pasted);
        QCOMPARE(box.document()->blockCount(), blocks);
        QCOMPARE(box.Text(), tool);
        box.selectAll();
        QCOMPARE(box.SelStart(), 0);
        QCOMPARE(box.SelLength(), int(tool.size()));
    }

    void defaultListIs223Characters()
    {
        TestedListBox box;
        box.Fill(DefaultListText(), kSet);
        QCOMPARE(box.Text().size(), 223);
    }

    // Selections from `anchor` to `position`, text cursor positions: where
    // they stand in the tool's text, and what a copy gives.
    void selection_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("copied");
        const QString ab = QStringLiteral("a\nb");
        QTest::newRow("start") << ab << kSet << 0 << 0 << 0 << 0 << QString();
        QTest::newRow("before break") << ab << kSet << 1 << 1 << 1 << 0 << QString();
        QTest::newRow("after break") << ab << kSet << 2 << 2 << 3 << 0 << QString();
        QTest::newRow("end") << ab << kSet << 3 << 3 << 4 << 0 << QString();
        QTest::newRow("over a break") << ab << kSet << 0 << 3 << 0 << 4 << ab;
        QTest::newRow("backwards") << ab << kSet << 3 << 1 << 1 << 3 << QStringLiteral("\nb");
        QTest::newRow("two breaks") << QStringLiteral("\n\n") << kSet << 2 << 2 << 4 << 0 << QString();
        QTest::newRow("part of two blocks") << QStringLiteral("abc\ndef") << kSet << 2 << 5 << 2 << 4 << QStringLiteral("c\nd");
        QTest::newRow("lines sharing a block") << ab << kPasted << 2 << 3 << 3 << 1 << QStringLiteral("b");
        QTest::newRow("CR LF pasted") << QStringLiteral("a\r\nb") << kPasted << 0 << 3 << 0 << 4 << ab;
        const QString joined = Ws(1024) + "bc";
        QTest::newRow("before a join") << joined << kPasted << 1024 << 1024 << 1024 << 0 << QString();
        QTest::newRow("after a join") << joined << kPasted << 1025 << 1025 << 1024 << 0 << QString();
        QTest::newRow("over a join") << joined << kPasted << 1020 << 1027 << 1020 << 6 << QStringLiteral("wwwwbc");
        QTest::newRow("separators copied as line feeds")
            << QStringLiteral("a\u2029b\u2028c") << kSet << 0 << 5 << 0 << 7 << QStringLiteral("a\nb\nc");
        QTest::newRow("no-break space copied as a blank")
            << QStringLiteral("a\u00A0b") << kSet << 0 << 3 << 0 << 3 << QStringLiteral("a b");
        QTest::newRow("control characters copied")
            << QStringLiteral("a\tb\x01") << kSet << 0 << 4 << 0 << 4 << QStringLiteral("a\tb\x01");
    }
    void selection()
    {
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        QFETCH(int, anchor);
        QFETCH(int, position);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, copied);
        TestedListBox box;
        box.Fill(text, pasted);
        box.Select(anchor, position);
        QCOMPARE(box.SelStart(), selStart);
        QCOMPARE(box.SelLength(), selLength);
        QCOMPARE(box.Copied(), copied);
    }

    void insertedBlocks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("blocks");
        QTest::newRow("empty") << QString() << QStringList { "+" };
        QTest::newRow("one line goes on at the cursor") << QStringLiteral("a,1") << QStringList { "+a,1" };
        QTest::newRow("CR LF is one break") << QStringLiteral("a\r\nb") << QStringList { QStringLiteral("+a") + kLs + "b" };
        QTest::newRow("every break the text edit makes")
            << QStringLiteral("a\rb\nc") + QChar(0xFDD0) + "f" + QChar(0xFDD1) + "g"
            << QStringList { QStringList { "+a", "b", "c", "f", "g" }.join(kLs) };
        // A label shows nothing for them, the text edit would show a break.
        QTest::newRow("line and paragraph separators left out")
            << QStringLiteral("a\u2028b,5\nc\u2029d,6\u2028\u2029\n")
            << QStringList { QStringList { "+ab,5", "cd,6", "" }.join(kLs) };
        QTest::newRow("a noncharacter the text edit keeps") << QStringLiteral("a") + QChar(0xFDD2) + "b"
                                                            << QStringList { QStringLiteral("+a") + QChar(0xFDD2) + "b" };
        QTest::newRow("final break") << QStringLiteral("a\n") << QStringList { QStringLiteral("+a") + kLs };
        QTest::newRow("lines fill a block exactly") << Ws(511) + "\n" + Ws(512)
                                                    << QStringList { "+" + Ws(511) + kLs + Ws(512) };
        QTest::newRow("a line that does not fit starts a block")
            << Ws(512) + "\n" + Ws(512) << QStringList { "+" + Ws(512), "|" + Ws(512) };
        QTest::newRow("long line in pieces") << Ws(2500)
                                             << QStringList { "+" + Ws(1024), "+" + Ws(1024), "+" + Ws(452) };
        QTest::newRow("exactly one piece") << Ws(1024) << QStringList { "+" + Ws(1024) };
        QTest::newRow("piece ends after a blank in its second half")
            << Ws(900) + " " + Ws(500) << QStringList { "+" + Ws(900) + " ", "+" + Ws(500) };
        QTest::newRow("blank in the first half not used")
            << Ws(100) + " " + Ws(1500) << QStringList { "+" + Ws(100) + " " + Ws(923), "+" + Ws(577) };
        QTest::newRow("surrogate pair kept whole") << Ws(1023) + QString::fromUtf8("\xF0\x9F\x98\x80") + "x"
                                                   << QStringList { "+" + Ws(1023), "+" + QString::fromUtf8("\xF0\x9F\x98\x80") + "x" };
        QTest::newRow("long line after a short one")
            << "a\n" + Ws(1500) << QStringList { "+a", "|" + Ws(1024), "+" + Ws(476) };
        QTest::newRow("short line after a last piece")
            << Ws(1500) + "\nb" << QStringList { "+" + Ws(1024), "+" + Ws(476) + kLs + "b" };
    }
    void insertedBlocks()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, blocks);
        QCOMPARE(BlocksAsText(InsertedBlocks(text)), blocks);
    }
};

QTEST_MAIN(TestListBoxText)
#include "tst_list_box_text.moc"
