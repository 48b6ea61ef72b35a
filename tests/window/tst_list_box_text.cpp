// The list box's text as the tool reads it: CR LF at every break, and
// positions counted in that text.

#include "entries/default_list.h"
#include "window/line_pieces.h"
#include "window/list_box_text.h"

#include <QTest>

using namespace cellaro;

namespace {

// What Qt's text edit keeps of a text: one "\n" per break.
QString WidgetForm(QString toolText) { return toolText.remove(u'\r'); }

// Widget text with a join between two pieces of a line.
QString Joined(const QString& a, const QString& b) { return a + kPieceJoin + b; }

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

} // namespace

class TestListBoxText : public QObject {
    Q_OBJECT

private slots:
    void toolText_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("tool");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("one line") << QStringLiteral("a,1\n") << QStringLiteral("a,1\r\n");
        QTest::newRow("no final break") << QStringLiteral("a\nb") << QStringLiteral("a\r\nb");
        QTest::newRow("empty lines") << QStringLiteral("\n\n") << QStringLiteral("\r\n\r\n");
        QTest::newRow("paragraph separator") << QStringLiteral("x\u2029y") << QStringLiteral("x\r\ny");
        QTest::newRow("line separator") << QStringLiteral("x\u2028y") << QStringLiteral("x\r\ny");
        QTest::newRow("tab and blanks stay") << QStringLiteral(" a\t,5\n") << QStringLiteral(" a\t,5\r\n");
        QTest::newRow("default list") << WidgetForm(DefaultListText()) << DefaultListText();
        QTest::newRow("join is no character") << Joined("ab", "c,1\n") << QStringLiteral("abc,1\r\n");
        QTest::newRow("join after a break") << Joined("a\n", "b") << QStringLiteral("a\r\nb");
    }
    void toolText()
    {
        QFETCH(QString, widget);
        QFETCH(QString, tool);
        QCOMPARE(ToolTextFromWidget(widget), tool);
        QCOMPARE(ToolLength(widget), int(tool.size()));
    }

    void defaultListIs223Characters()
    {
        QCOMPARE(ToolLength(WidgetForm(DefaultListText())), 223);
    }

    void toolPosition_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("widgetPosition");
        QTest::addColumn<int>("toolPosition");
        QTest::newRow("start") << QStringLiteral("a\nb") << 0 << 0;
        QTest::newRow("before break") << QStringLiteral("a\nb") << 1 << 1;
        QTest::newRow("after break") << QStringLiteral("a\nb") << 2 << 3;
        QTest::newRow("end") << QStringLiteral("a\nb") << 3 << 4;
        QTest::newRow("two breaks") << QStringLiteral("\n\n") << 2 << 4;
        QTest::newRow("beyond the end") << QStringLiteral("ab") << 9 << 2;
        QTest::newRow("negative") << QStringLiteral("ab") << -1 << 0;
        QTest::newRow("before a join") << Joined("a", "b") << 1 << 1;
        QTest::newRow("after a join") << Joined("a", "b") << 2 << 1;
        QTest::newRow("after a join and a break") << Joined("a", "\nb") << 3 << 3;
    }
    void toolPosition()
    {
        QFETCH(QString, widget);
        QFETCH(int, widgetPosition);
        QFETCH(int, toolPosition);
        QCOMPARE(ToolPosition(widget, widgetPosition), toolPosition);
    }

    void widgetPosition_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("toolPosition");
        QTest::addColumn<int>("widgetPosition");
        QTest::newRow("start") << QStringLiteral("a\nb") << 0 << 0;
        QTest::newRow("before CR") << QStringLiteral("a\nb") << 1 << 1;
        QTest::newRow("between CR and LF") << QStringLiteral("a\nb") << 2 << 1;
        QTest::newRow("after LF") << QStringLiteral("a\nb") << 3 << 2;
        QTest::newRow("end") << QStringLiteral("a\nb") << 4 << 3;
        QTest::newRow("beyond the end") << QStringLiteral("a\nb") << 40 << 3;
        QTest::newRow("negative") << QStringLiteral("a\nb") << -2 << 0;
        QTest::newRow("default list end") << WidgetForm(DefaultListText()) << 223 << 187;
        QTest::newRow("at a join: the next piece") << Joined("a", "b") << 1 << 2;
        QTest::newRow("after a join") << Joined("a", "bc") << 2 << 3;
        QTest::newRow("end of joined text") << Joined("a", "b") << 2 << 3;
    }
    void widgetPosition()
    {
        QFETCH(QString, widget);
        QFETCH(int, toolPosition);
        QFETCH(int, widgetPosition);
        QCOMPARE(WidgetPosition(widget, toolPosition), widgetPosition);
    }

    void insertedBlocks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("blocks");
        QTest::newRow("empty") << QString() << QStringList { "+" };
        QTest::newRow("one line goes on at the cursor") << QStringLiteral("a,1") << QStringList { "+a,1" };
        QTest::newRow("CR LF is one break") << QStringLiteral("a\r\nb") << QStringList { QStringLiteral("+a") + kLs + "b" };
        QTest::newRow("every break the text edit makes")
            << QStringLiteral("a\rb\nc\u2028d\u2029e") + QChar(0xFDD0) + "f" + QChar(0xFDD1) + "g"
            << QStringList { QStringList { "+a", "b", "c", "d", "e", "f", "g" }.join(kLs) };
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

    void copiedText_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("copied");
        QTest::newRow("join left out") << Joined("ab", "c") << QStringLiteral("abc");
        QTest::newRow("breaks as line feeds") << QStringLiteral("a\u2029b\u2028c") << QStringLiteral("a\nb\nc");
        QTest::newRow("no-break space as a blank") << QStringLiteral("a\u00A0b") << QStringLiteral("a b");
        QTest::newRow("control characters stay") << QStringLiteral("a\tb") + QChar(0) << QStringLiteral("a\tb") + QChar(0);
    }
    void copiedText()
    {
        QFETCH(QString, widget);
        QFETCH(QString, copied);
        QCOMPARE(CopiedText(widget), copied);
    }
};

QTEST_GUILESS_MAIN(TestListBoxText)
#include "tst_list_box_text.moc"
