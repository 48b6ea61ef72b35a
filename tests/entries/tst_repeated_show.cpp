// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Show after Show on the same table: each parse rewrites the labels in the
// slots' own buffers and reads most lines where they stand in the list
// text, so these rows check that nothing of an earlier label, of a dropped
// character or of a reused buffer leaks into the next table.

#include "entries/list_parser.h"

#include <QTest>

using namespace cellaro;

namespace {

void Parse(EntryTable& table, const QString& list, const QString& threshold)
{
    QVERIFY(!ReadList(table, list, ReadThreshold(threshold)));
}

QStringList LabelsInSlots(const EntryTable& table, int slotCount)
{
    QStringList labels;
    for (int i = 1; i <= slotCount; ++i)
        labels.append(table.EntryNames[std::size_t(i)]);
    return labels;
}

QList<int> Counts(const EntryTable& table)
{
    QList<int> counts;
    for (int i = 1; i <= table.EntryCount; ++i)
        counts.append(table.EntryValues[std::size_t(i)]);
    return counts;
}

// `lines` lines "a<tab>b<i>,<i>" with CR LF endings: every label holds a
// dropped character, so every label is a cleaned copy.
QString TabbedList(int lines)
{
    QString text;
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("a\tb%1,%1\r\n").arg(i);
    return text;
}

QStringList TabbedLabels(int lines)
{
    QStringList labels;
    for (int i = 0; i < lines; ++i)
        labels.append(QStringLiteral("ab%1").arg(i));
    return labels;
}

QList<int> Rising(int lines)
{
    QList<int> counts;
    for (int i = 0; i < lines; ++i)
        counts.append(i);
    return counts;
}

} // namespace

class TestRepeatedShow : public QObject {
    Q_OBJECT

private slots:
    void secondParseReadsItsOwnLines_data();
    void secondParseReadsItsOwnLines();
    void labelCopiesSurviveTheNextShow();
};

// Each row: a first list, a second list read into the same table with
// threshold 0, the labels of the slots afterwards (slots above the new
// count keep the first list's labels) and the counts of the second list.
void TestRepeatedShow::secondParseReadsItsOwnLines_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<int>>("counts");

    QTest::newRow("a shorter label over a longer one")
        << "abcdef,1\n" << "x,2\n" << QStringList { "x" } << QList<int> { 2 };
    QTest::newRow("a longer label over a shorter one")
        << "x,1\n" << "abcdefgh,2\n" << QStringList { "abcdefgh" } << QList<int> { 2 };
    QTest::newRow("a label of the same length")
        << "abc,1\nde,2\n" << "xyz,3\nde,4\n" << QStringList { "xyz", "de" } << QList<int> { 3, 4 };
    QTest::newRow("an empty label over a long one")
        << "long label,1\n" << ",5\n" << QStringList { "" } << QList<int> { 5 };
    QTest::newRow("slots above the new count keep their labels")
        << "a,1\nb,2\nc,3\n" << "z,9\n" << QStringList { "z", "b", "c" } << QList<int> { 9 };
    QTest::newRow("a tab inside the label is dropped")
        << "ab,1\n" << "a\tb,2\r\n" << QStringList { "ab" } << QList<int> { 2 };
    QTest::newRow("a CR before the comma is dropped")
        << "long,1\n" << "p\r,1\r\n" << QStringList { "p" } << QList<int> { 1 };
    QTest::newRow("a tab inside the count joins its digits")
        << "q,1\n" << "lab,1\t2\r\n" << QStringList { "lab" } << QList<int> { 12 };
    QTest::newRow("the first comma after a dropped character")
        << "q,1\n" << "a\tb,c,3\n" << QStringList { "ab" } << QList<int> { 0 };
    QTest::newRow("a CR alone does not end a line")
        << "q,1\n" << "a,1\rb,2\n" << QStringList { "a" } << QList<int> { 1 };
    QTest::newRow("CR LF lines and a tabbed line mixed")
        << "first,1\nsecond,2\nthird,3\n" << "m,4\r\nn\t,5\r\no,6\r\n"
        << QStringList { "m", "n", "o" } << QList<int> { 4, 5, 6 };
    QTest::newRow("three thousand cleaned labels")
        << "q,1\n" << TabbedList(3000) << TabbedLabels(3000) << Rising(3000);
}

void TestRepeatedShow::secondParseReadsItsOwnLines()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, labels);
    QFETCH(QList<int>, counts);

    EntryTable table;
    Parse(table, first, "0");
    Parse(table, second, "0");
    QCOMPARE(Counts(table), counts);
    QCOMPARE(LabelsInSlots(table, int(labels.size())), labels);
}

// A label handed out before a Show keeps its text, however the next Show
// rewrites the slot (here with a label of the same length).
void TestRepeatedShow::labelCopiesSurviveTheNextShow()
{
    EntryTable table;
    Parse(table, "old,3\n", "0");
    const QString copy = table.EntryNames[1];
    Parse(table, "new,4\n", "0");
    QCOMPARE(copy, QStringLiteral("old"));
    QCOMPARE(table.EntryNames[1], QStringLiteral("new"));
}

QTEST_GUILESS_MAIN(TestRepeatedShow)
#include "tst_repeated_show.moc"
