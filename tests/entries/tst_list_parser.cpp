// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The list parser and the Show action: which lines are accepted and with
// what label and count, the known totals of the default list, the threshold
// box, and the rejection of a list that cannot be stored, which must leave
// the table and the surface exactly as they were.

#include "support/core_test_support.h"

#include "entries/default_list.h"
#include "paint/header_letters.h"

#include <QTest>

using namespace cellaro;
using namespace cellaro::testing;

Q_DECLARE_METATYPE(ShowError::Kind)

namespace {

// The state a Show leaves: the table and what was drawn.
struct ShowRun {
    FormState form = StartUpFormState();
    RecordingSurface surface;
    std::optional<ShowError> error;

    void show(const QString& listText, const QString& thresholdText, Int16 scheme = 0)
    {
        error = ShowList(form, ShowInputs { listText, thresholdText }, scheme, surface);
    }
};

bool SameTable(const EntryTable& a, const EntryTable& b)
{
    return a.EntryCount == b.EntryCount && a.MaxValue == b.MaxValue
        && a.TotalValue == b.TotalValue && a.EntryNames == b.EntryNames
        && a.EntryValues == b.EntryValues;
}

// The list read in pieces of `size` characters, into a table that starts
// as `start`: passing pieces as the renderer reads a file, or pieces that
// stay until the list is stored, as the whole text does.
struct Streamed {
    EntryTable table;
    std::optional<ShowError> error;
};

Streamed ReadInPieces(const QString& list, const QString& threshold, qsizetype size,
                      ListStream::PieceLife life, const EntryTable& start)
{
    Streamed streamed { start, std::nullopt };
    ListStream stream(ReadThreshold(threshold));
    for (qsizetype at = 0; at < list.size(); at += size)
        if (!stream.Add(QStringView(list).sliced(at, std::min(size, list.size() - at)), life))
            break;
    streamed.error = std::move(stream).StoreInto(streamed.table);
    return streamed;
}

// Read whole or in pieces of any size, a list gives the same table or the
// same error; `start` is the table the whole reading began with.
void CompareWithPieces(const QString& list, const QString& threshold, const EntryTable& start,
                       const EntryTable& whole, const std::optional<ShowError>& wholeError)
{
    for (const auto life : { ListStream::PieceLife::Passing, ListStream::PieceLife::KeptUntilStored }) {
        for (qsizetype size : { 1, 2, 3, 7, 64 }) {
            const Streamed streamed = ReadInPieces(list, threshold, size, life, start);
            const QString pieces = QStringLiteral("pieces of %1, %2").arg(size).arg(int(life));
            QVERIFY2(streamed.error.has_value() == wholeError.has_value(), qPrintable(pieces));
            if (wholeError) {
                QCOMPARE(streamed.error->kind, wholeError->kind);
                QCOMPARE(streamed.error->line, wholeError->line);
            }
            QVERIFY2(SameTable(streamed.table, whole), qPrintable(pieces));
        }
    }
}

} // namespace

class TestListParser : public QObject {
    Q_OBJECT

private slots:
    void defaultList_data();
    void defaultList();
    void defaultListLabelsAreTheAlphabet();
    void lines_data();
    void lines();
    void threshold_data();
    void threshold();
    void acceptedAtTheBorders_data();
    void acceptedAtTheBorders();
    void rejectedWhole_data();
    void rejectedWhole();
    void showDrawsOnlyWhenSomethingWasAccepted_data();
    void showDrawsOnlyWhenSomethingWasAccepted();
    void showClearsThenPaints();
    void slotsAboveTheCountKeepTheirContent();
};

void TestListParser::defaultList_data()
{
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<int>("totalValue");
    QTest::addColumn<QStringList>("someLabels"); // all of them when 9 or fewer

    QTest::newRow("threshold 0") << "0" << 36 << 1377 << 4771 << QStringList { "a", "b", "zh" };
    QTest::newRow("threshold 1") << "1" << 32 << 1377 << 4771 << QStringList { "a", "b", "z" };
    QTest::newRow("threshold 10") << "10" << 24 << 1377 << 4746 << QStringList { "a", "ç", "y" };
    QTest::newRow("threshold 100")
        << "100" << 9 << 1377 << 4170
        << QStringList { "a", "e", u"\u00eb"_qs, "h", "i", "j", "n", "r", "t" };
}

void TestListParser::defaultList()
{
    QFETCH(QString, threshold);
    QFETCH(int, entryCount);
    QFETCH(int, maxValue);
    QFETCH(int, totalValue);
    QFETCH(QStringList, someLabels);

    const EntryTable table = FormFromList(DefaultListText(), threshold).entries;
    QCOMPARE(int(table.EntryCount), entryCount);
    QCOMPARE(int(table.MaxValue), maxValue);
    QCOMPARE(table.TotalValue, totalValue);
    const QStringList labels = LabelsOf(table);
    if (someLabels.size() == entryCount)
        QCOMPARE(labels, someLabels);
    QCOMPARE(labels.first(), someLabels.first());
    QCOMPARE(labels.last(), someLabels.last());
    for (const QString& label : someLabels)
        QVERIFY2(labels.contains(label), qPrintable(label));
}

void TestListParser::defaultListLabelsAreTheAlphabet()
{
    // The default list holds the 36 letters in alphabet order, the same
    // order as the header letters of the letter-pair matrix.
    const EntryTable table = FormFromList(DefaultListText(), QStringLiteral("0")).entries;
    QCOMPARE(LabelsOf(table), HeaderTexts());
    QCOMPARE(int(table.EntryValues[8]), 1377);
    QCOMPARE(table.EntryNames[8], u"\u00eb"_qs);
}

void TestListParser::lines_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<int>>("counts");

    using L = QStringList;
    using C = QList<int>;
    QTest::newRow("2.6 below threshold 3") << "x,2.6\n" << "3" << L {} << C {};
    QTest::newRow("2.6 with threshold 2 rounds to 3") << "x,2.6\n" << "2" << L { "x" } << C { 3 };
    QTest::newRow("compared before rounding") << "x,2.4\n" << "2.4" << L { "x" } << C { 2 };
    QTest::newRow("rounded value not compared") << "x,2.6\n" << "2.7" << L {} << C {};
    QTest::newRow("2.5 to even 2") << "x,2.5\n" << "0" << L { "x" } << C { 2 };
    QTest::newRow("3.5 to even 4") << "x,3.5\n" << "0" << L { "x" } << C { 4 };
    QTest::newRow("first comma splits") << "a,b,3\n" << "0" << L { "a" } << C { 0 };
    QTest::newRow("empty label") << ",5\n" << "0" << L { "" } << C { 5 };
    QTest::newRow("count of letters is 0") << "x,abc\n" << "0" << L { "x" } << C { 0 };
    QTest::newRow("count of letters below 1") << "x,abc\n" << "1" << L {} << C {};
    QTest::newRow("blanks before the count") << "x,   7\n" << "0" << L { "x" } << C { 7 };
    QTest::newRow("exponent count") << "x,1e2\n" << "0" << L { "x" } << C { 100 };
    QTest::newRow("negative counts let in") << "x,-5\ny,-2\n" << "-10" << L { "x", "y" } << C { -5, -2 };
    QTest::newRow("negative count kept out") << "x,-5\n" << "0" << L {} << C {};
    QTest::newRow("carriage returns alone") << "a,1\rb,2\r" << "0" << L {} << C {};
    QTest::newRow("CR LF lines") << "a,1\r\nb,2\r\n" << "0" << L { "a", "b" } << C { 1, 2 };
    QTest::newRow("tab dropped from label") << "\ta\tb,5\n" << "0" << L { "ab" } << C { 5 };
    QTest::newRow("blanks kept in label") << " a ,5\n" << "0" << L { " a " } << C { 5 };
    QTest::newRow("carriage return inside a label") << "x\ry,1\n" << "0" << L { "xy" } << C { 1 };
    QTest::newRow("carriage return before the count") << "x,\r5\n" << "0" << L { "x" } << C { 5 };
    QTest::newRow("control code dropped from count") << "x,\x01" "7\n" << "0" << L { "x" } << C { 7 };
    QTest::newRow("code 14 kept") << "x\x0e,1\n" << "0" << L { "x\x0e" } << C { 1 };
    QTest::newRow("letters of the code page") << u"\u00e7,16\n\u00eb,3\n"_qs << "0"
                                              << L { u"\u00e7"_qs, u"\u00eb"_qs } << C { 16, 3 };
    QTest::newRow("final line without line feed") << "a,1\nb,2" << "0" << L { "a" } << C { 1 };
    QTest::newRow("no line feed at all") << "a,1" << "0" << L {} << C {};
    QTest::newRow("empty list") << "" << "0" << L {} << C {};
    QTest::newRow("empty lines") << "\n\n\n" << "0" << L {} << C {};
    QTest::newRow("labels of different lengths") << "abc,1\nd,2\nef,3\n" << "0" << L { "abc", "d", "ef" }
                                                 << C { 1, 2, 3 };
    QTest::newRow("a line of control codes only") << "\x01\x02\r\na,1\n" << "0" << L { "a" } << C { 1 };
    QTest::newRow("line without comma skipped") << "abc\na,1\n" << "0" << L { "a" } << C { 1 };
    QTest::newRow("label is case-sensitive text") << "Ab,1\n" << "0" << L { "Ab" } << C { 1 };
}

void TestListParser::lines()
{
    QFETCH(QString, list);
    QFETCH(QString, threshold);
    QFETCH(QStringList, labels);
    QFETCH(QList<int>, counts);

    ShowRun run;
    run.show(list, threshold);
    QVERIFY(!run.error);
    const EntryTable& table = run.form.entries;
    QCOMPARE(LabelsOf(table), labels);
    QCOMPARE(CountsOf(table), counts);
    // Invariants of a finished parse: the maximum never below 0, the total
    // the sum of the counts.
    int maxValue = 0;
    int total = 0;
    for (int count : counts) {
        maxValue = std::max(maxValue, count);
        total += count;
    }
    QCOMPARE(int(table.MaxValue), maxValue);
    QCOMPARE(table.TotalValue, total);
    CompareWithPieces(list, threshold, EntryTable(), table, std::nullopt);
}

void TestListParser::threshold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("blanks around 12") << "  12  " << 12.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("fraction with trailing text") << " -3.5x" << -3.5;
    QTest::newRow("exponent") << "1e1" << 10.0;
}

void TestListParser::threshold()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(ReadThreshold(text), expected);
}

void TestListParser::acceptedAtTheBorders_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<int>("lastCount");

    QTest::newRow("32767") << "a,32767\n" << "0" << 1 << 32767;
    QTest::newRow("32767.4") << "a,32767.4\n" << "0" << 1 << 32767;
    QTest::newRow("32766.5 to even") << "a,32766.5\n" << "0" << 1 << 32766;
    QTest::newRow("-32768") << "a,-32768\n" << "-40000" << 1 << -32768;
    QTest::newRow("-32768.5 to even -32768") << "a,-32768.5\n" << "-40000" << 1 << -32768;
    QTest::newRow("40000 below the threshold") << "a,40000\nb,2\n" << "40001" << 0 << 0;
    QTest::newRow("40000 without a line feed") << "a,1\nb,40000" << "0" << 1 << 1;
    QTest::newRow("exactly 10000 lines") << LinesOf(10000, "3") << "0" << 10000 << 3;
    QTest::newRow("10001st line not accepted") << LinesOf(10000) + "f,0\n" << "1" << 10000 << 1;
    QTest::newRow("10001st line without comma") << LinesOf(10000) + "nocomma\n" << "0" << 10000 << 1;
}

void TestListParser::acceptedAtTheBorders()
{
    QFETCH(QString, list);
    QFETCH(QString, threshold);
    QFETCH(int, entryCount);
    QFETCH(int, lastCount);

    ShowRun run;
    run.show(list, threshold);
    QVERIFY(!run.error);
    QCOMPARE(int(run.form.entries.EntryCount), entryCount);
    QCOMPARE(int(run.form.entries.EntryValues[std::size_t(entryCount)]), lastCount);
}

void TestListParser::rejectedWhole_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<ShowError::Kind>("kind");
    QTest::addColumn<int>("line");

    const auto overflow = ShowError::Overflow;
    const auto tooMany = ShowError::TooManyEntries;
    QTest::newRow("40000 on line 2") << "a,1\nb,40000\nc,2\n" << "0" << overflow << 2;
    QTest::newRow("32767.5 rounds to 32768") << "a,32767.5\n" << "0" << overflow << 1;
    QTest::newRow("-32768.6") << "a,-32768.6\n" << "-40000" << overflow << 1;
    QTest::newRow("-32769.5 to even -32770") << "x\na,-32769.5\n" << "-40000" << overflow << 2;
    QTest::newRow("-40000") << "a,-40000\n" << "-1e9" << overflow << 1;
    QTest::newRow("beyond double") << "a,1e309\n" << "0" << overflow << 1;
    QTest::newRow("skipped lines are counted") << "no comma\n\n,40000\n" << "0" << overflow << 3;
    QTest::newRow("lines counted by line feed")
        << "a,1\r\r\n\rb,2\rc,3\r\nd,40000\r\n" << "0" << overflow << 3;
    QTest::newRow("first of two overflows") << "a,40000\nb,50000\n" << "0" << overflow << 1;
    QTest::newRow("10001 accepted lines") << LinesOf(10001) << "0" << tooMany << 10001;
    QTest::newRow("10001st after a skipped line") << "header\n" + LinesOf(10001) << "0" << tooMany << 10002;
    QTest::newRow("overflow on the 10001st line") << LinesOf(10000) + "a,40000\n" << "0" << tooMany << 10001;
}

void TestListParser::rejectedWhole()
{
    QFETCH(QString, list);
    QFETCH(QString, threshold);
    QFETCH(ShowError::Kind, kind);
    QFETCH(int, line);

    ShowRun run;
    run.show(DefaultListText(), QStringLiteral("0"));
    QVERIFY(!run.error);
    const EntryTable before = run.form.entries;
    const GridGeometry gridBefore = run.form.grid;
    run.surface.clearLog();

    run.show(list, threshold);
    QVERIFY(run.error);
    QCOMPARE(run.error->kind, kind);
    QCOMPARE(run.error->line, line);
    QVERIFY2(SameTable(run.form.entries, before), "the entry table changed");
    QCOMPARE(run.form.grid.CellWidth, gridBefore.CellWidth);
    QVERIFY2(run.surface.ops().isEmpty(), "the surface was cleared or drawn on");

    const QString message = DescribeShowError(*run.error);
    QVERIFY2(message.contains(QString::number(line)), qPrintable(message));
    const ShowError otherKind { kind == ShowError::Overflow ? ShowError::TooManyEntries
                                                            : ShowError::Overflow,
                                line };
    QVERIFY2(DescribeShowError(otherKind) != message, "the message does not name the kind");
    CompareWithPieces(list, threshold, before, before, run.error);
}

void TestListParser::showDrawsOnlyWhenSomethingWasAccepted_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<QStringList>("ops");

    const QStringList nothing;
    const QStringList clearOnly { "Cls" };
    QTest::newRow("empty list") << "" << "0" << 0 << nothing;
    QTest::newRow("no line feed") << "a,5" << "0" << 0 << nothing;
    QTest::newRow("carriage returns only") << "a,5\rb,6\r" << "0" << 0 << nothing;
    QTest::newRow("all below the threshold") << "a,5\n" << "6" << 0 << nothing;
    // Accepted entries clear the surface; with no positive count the painter
    // then draws nothing.
    QTest::newRow("all counts zero") << "a,0\nb,0\n" << "0" << 2 << clearOnly;
    QTest::newRow("all counts negative") << "a,-1\nb,-3\n" << "-5" << 2 << clearOnly;
}

void TestListParser::showDrawsOnlyWhenSomethingWasAccepted()
{
    QFETCH(QString, list);
    QFETCH(QString, threshold);
    QFETCH(int, entryCount);
    QFETCH(QStringList, ops);

    ShowRun run;
    run.show(DefaultListText(), QStringLiteral("0"));
    run.surface.clearLog();

    run.show(list, threshold);
    QVERIFY(!run.error);
    QCOMPARE(int(run.form.entries.EntryCount), entryCount);
    QCOMPARE(KindsOf(run.surface.ops()), ops);
    QCOMPARE(int(run.form.entries.MaxValue), 0);
}

void TestListParser::showClearsThenPaints()
{
    ShowRun run;
    run.show(DefaultListText(), QStringLiteral("0"));
    QVERIFY(!run.error);
    const QList<DrawOp>& ops = run.surface.ops();
    QVERIFY(!ops.isEmpty());
    QCOMPARE(KindName(ops.first().kind), "Cls");
    QCOMPARE(run.surface.opsOfKind(DrawOp::Cls).size(), 1);
    QCOMPARE(run.surface.boxes().size(), 36);
    QCOMPARE(run.surface.texts().size(), 3 * 36);
    QCOMPARE(run.form.grid.CellWidth, Int16(100));
}

void TestListParser::slotsAboveTheCountKeepTheirContent()
{
    ShowRun run;
    run.show(DefaultListText(), QStringLiteral("0"));
    run.show(QStringLiteral("q,5\n"), QStringLiteral("0"));
    const EntryTable& table = run.form.entries;
    QCOMPARE(int(table.EntryCount), 1);
    QCOMPARE(table.EntryNames[1], QStringLiteral("q"));
    QCOMPARE(int(table.MaxValue), 5);
    QCOMPARE(table.TotalValue, 5);
    // Entry 2 was "b,6" and is not cleared by the shorter parse.
    QCOMPARE(table.EntryNames[2], QStringLiteral("b"));
    QCOMPARE(int(table.EntryValues[2]), 6);

    run.show(QString(), QStringLiteral("0"));
    QCOMPARE(int(table.EntryCount), 0);
    QCOMPARE(int(table.MaxValue), 0);
    QCOMPARE(table.TotalValue, 0);
    QCOMPARE(table.EntryNames[1], QStringLiteral("q"));
}

QTEST_GUILESS_MAIN(TestListParser)
#include "tst_list_parser.moc"
