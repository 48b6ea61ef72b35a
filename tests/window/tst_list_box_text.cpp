// The list box's text as the tool reads it: CR LF at every break, and
// positions counted in that text.

#include "entries/default_list.h"
#include "window/list_box_text.h"

#include <QTest>

using namespace cellaro;

namespace {

// What Qt's text edit keeps of a text: one "\n" per break.
QString WidgetForm(QString toolText) { return toolText.remove(u'\r'); }

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
    }
    void widgetPosition()
    {
        QFETCH(QString, widget);
        QFETCH(int, toolPosition);
        QFETCH(int, widgetPosition);
        QCOMPARE(WidgetPosition(widget, toolPosition), widgetPosition);
    }
};

QTEST_GUILESS_MAIN(TestListBoxText)
#include "tst_list_box_text.moc"
