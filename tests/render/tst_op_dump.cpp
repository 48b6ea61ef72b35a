// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The --dump text: the entry table and the drawing operations of the final
// Show, one a line, exactly as the recording surface saw them.

#include "entries/default_list.h"
#include "paint/grid_painter.h"
#include "paint/start_up.h"
#include "render/op_dump.h"
#include "render/rendered_output.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

using namespace cellaro;

Q_DECLARE_METATYPE(cellaro::DrawOp)
Q_DECLARE_METATYPE(QList<Int16>)

namespace {

QStringList DumpLines(const SessionInputs& inputs)
{
    Session session;
    if (ReadSession(inputs, session))
        return {};
    return QString::fromUtf8(RenderDump(session).bytes).split(u'\n', Qt::SkipEmptyParts);
}

SessionInputs Inputs(const QString& list, const QString& threshold = QStringLiteral("0"),
                     Int16 scheme = 0, QList<Int16> before = {})
{
    return SessionInputs { list, threshold, scheme, before };
}

QString NumberedList(int lines)
{
    QString text;
    for (int i = 1; i <= lines; ++i)
        text += QStringLiteral("n%1,%2\r\n").arg(i).arg(i % 97);
    return text;
}

DrawOp Op(DrawOp::Kind kind, Colour colour = 0)
{
    DrawOp op;
    op.kind = kind;
    op.colour = colour;
    return op;
}

DrawOp BoxOp(float x1, float y1, float x2, float y2, Colour outline, Colour fill, BoxFill style)
{
    DrawOp op = Op(DrawOp::Box, outline);
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    op.fill = fill;
    op.fillStyle = style;
    return op;
}

DrawOp PrintOp(float x, float y, Colour colour, const QString& text)
{
    DrawOp op = Op(DrawOp::Print, colour);
    op.x1 = x, op.y1 = y;
    op.text = text;
    return op;
}

} // namespace

class TestOpDump : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void hexColour_data()
    {
        QTest::addColumn<Colour>("colour");
        QTest::addColumn<QString>("text");
        QTest::newRow("black") << Colour(0) << "#000000";
        QTest::newRow("dark teal outline") << Colour(4210688) << "#004040";
        QTest::newRow("yellow label") << Colour(65535) << "#FFFF00";
        QTest::newRow("orange numbers") << Colour(33023) << "#FF8000";
        QTest::newRow("red in the low byte") << RGB(1, 2, 3) << "#010203";
        QTest::newRow("white") << RGB(255, 255, 255) << "#FFFFFF";
    }

    void hexColour()
    {
        QFETCH(Colour, colour);
        QTEST(HexColour(colour), "text");
    }

    void dumpOp_data()
    {
        QTest::addColumn<DrawOp>("op");
        QTest::addColumn<QString>("line");

        DrawOp x = Op(DrawOp::SetCurrentX);
        x.x1 = 330;
        DrawOp y = Op(DrawOp::SetCurrentY);
        y.y1 = 7.5f;
        DrawOp style = Op(DrawOp::SetFillStyle);
        style.fillStyle = BoxFill::Transparent;

        QTest::newRow("clear") << Op(DrawOp::Cls) << "Cls";
        QTest::newRow("solid box")
            << BoxOp(300, 300, 1785, 1785, RGB(0, 64, 64), RGB(175, 175, 175), BoxFill::Solid)
            << "Box 300 300 1785 1785 outline #004040 fill #AFAFAF solid";
        QTest::newRow("transparent box, fractional twips")
            << BoxOp(0.5f, 1, 2, 33000.25f, 0, RGB(1, 1, 1), BoxFill::Transparent)
            << "Box 0.5 1 2 33000.25 outline #000000 fill #010101 transparent";
        QTest::newRow("text") << PrintOp(330, 690, RGB(255, 128, 0), QStringLiteral("9.08%"))
                              << "Print 330 690 #FF8000 \"9.08%\"";
        QTest::newRow("text with quote and backslash")
            << PrintOp(0.1f, 30, 0, QStringLiteral("a\"b\\c")) << "Print 0.1 30 #000000 \"a\\\"b\\\\c\"";
        QTest::newRow("text with ESC, BEL and DEL written out")
            << PrintOp(30, 30, 0, QStringLiteral("\x1b]0;t\x07\x7f")) << "Print 30 30 #000000 \"\\x1b]0;t\\x07\\x7f\"";
        QTest::newRow("text with a C1 control, bidi controls and separators written out")
            << PrintOp(30, 30, 0, QString::fromUtf16(u"\u009b2J\u202ex\u2066\u2069\u2028\u2029"))
            << QString::fromUtf16(u"Print 30 30 #000000 \"\\x9b2J\\u202ex\\u2066\\u2069\\u2028\\u2029\"");
        QTest::newRow("text with %1") << PrintOp(30, 30, 0, QStringLiteral("%1 %2"))
                                      << "Print 30 30 #000000 \"%1 %2\"";
        QTest::newRow("current x") << x << "CurrentX 330";
        QTest::newRow("current y") << y << "CurrentY 7.5";
        QTest::newRow("text colour") << Op(DrawOp::SetForeColor, RGB(255, 255, 0)) << "ForeColor #FFFF00";
        QTest::newRow("fill colour") << Op(DrawOp::SetFillColor, RGB(0, 5, 255)) << "FillColor #0005FF";
        QTest::newRow("fill colour read back") << Op(DrawOp::ReadFillColor, RGB(9, 9, 9))
                                               << "ReadFillColor #090909";
        QTest::newRow("fill style") << style << "FillStyle transparent";
    }

    void dumpOp()
    {
        QFETCH(DrawOp, op);
        QTEST(DumpOp(op), "line");
    }

    void defaultListLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("count") << "EntryCount 36";
        QTest::newRow("maximum") << "MaxValue 1377";
        QTest::newRow("total") << "TotalValue 4771";
        QTest::newRow("first entry") << "Entry 1 433 \"a\"";
        QTest::newRow("largest entry") << QString::fromUtf8("Entry 8 1377 \"ë\"");
        QTest::newRow("last entry") << "Entry 36 0 \"zh\"";
        QTest::newRow("surface cleared") << "Cls";
        QTest::newRow("box a") << "Box 300 300 1785 1785 outline #004040 fill #AFAFAF solid";
        QTest::newRow("box b") << "Box 1800 300 3285 1785 outline #004040 fill #FEFEFE solid";
        QTest::newRow("box ë") << "Box 1800 1800 3285 3285 outline #004040 fill #000000 solid";
        QTest::newRow("box zh") << "Box 7800 7800 9285 9285 outline #004040 fill #FFFFFF solid";
        QTest::newRow("label a") << "Print 330 330 #FFFF00 \"a\"";
        QTest::newRow("count a") << "Print 330 510 #FF8000 \"433\"";
        QTest::newRow("share a") << "Print 330 690 #FF8000 \"9.08%\"";
        QTest::newRow("share e") << "Print 330 2190 #FF8000 \"8.68%\"";
        QTest::newRow("share ë") << "Print 1830 2190 #FF8000 \"28.86%\"";
        QTest::newRow("share zh") << "Print 7830 8190 #FF8000 \"0.00%\"";
    }

    void defaultListLines()
    {
        QFETCH(QString, line);
        const QStringList lines = DumpLines(Inputs(DefaultListText()));
        QCOMPARE(lines.count(line), 1);
    }

    void tableComesFirst()
    {
        const QStringList lines = DumpLines(Inputs(DefaultListText()));
        QCOMPARE(lines.mid(0, 4), (QStringList { "EntryCount 36", "MaxValue 1377", "TotalValue 4771",
                                                 "Entry 1 433 \"a\"" }));
        QCOMPARE(lines[3 + 36], QStringLiteral("Cls"));
    }

    // The dump shows the very operations the final Show makes on a
    // recording surface in a window just started.
    void matchesRecordingSurface_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QList<Int16>>("before");

        QTest::newRow("default list, Gri") << DefaultListText() << "0" << 0 << QList<Int16> {};
        QTest::newRow("default list, Ngj4, threshold 10") << DefaultListText() << "10" << 7 << QList<Int16> {};
        QTest::newRow("101 entries, outlines read back") << NumberedList(101) << "0" << 3 << QList<Int16> {};
        QTest::newRow("letter matrix") << NumberedList(1296) << "0" << 5 << QList<Int16> { 6 };
        QTest::newRow("nothing accepted") << QStringLiteral("a,5") << "0" << 0 << QList<Int16> {};
        QTest::newRow("all counts zero") << QStringLiteral("a,0\nb,-3\n") << "-10" << 1 << QList<Int16> {};
    }

    void matchesRecordingSurface()
    {
        QFETCH(QString, list);
        QFETCH(QString, threshold);
        QFETCH(int, scheme);
        QFETCH(QList<Int16>, before);

        FormState form = StartUpFormState();
        FormSurface earlier;
        for (Int16 s : before)
            QVERIFY(!ShowList(form, ShowInputs { list, threshold }, s, earlier));
        RecordingSurface surface;
        QVERIFY(!ShowList(form, ShowInputs { list, threshold }, Int16(scheme), surface));

        const QStringList lines = DumpLines(Inputs(list, threshold, Int16(scheme), before));
        const int tableLines = 3 + form.entries.EntryCount;
        QCOMPARE(lines.size(), tableLines + surface.ops().size());
        QCOMPARE(lines.mid(0, 3), (QStringList { QStringLiteral("EntryCount %1").arg(form.entries.EntryCount),
                                                 QStringLiteral("MaxValue %1").arg(form.entries.MaxValue),
                                                 QStringLiteral("TotalValue %1").arg(form.entries.TotalValue) }));
        for (int i = 0; i < surface.ops().size(); ++i)
            QCOMPARE(lines[tableLines + i], DumpOp(surface.ops()[i]));
    }

    // Negative counts reach palette entries the scheme does not write; they
    // hold what the schemes shown before wrote there.
    void paletteRemembersEarlierSchemes_data()
    {
        QTest::addColumn<QList<Int16>>("before");
        QTest::addColumn<QString>("fill");
        // With MaxValue 10 a count of -10 takes entry 16 * 20 / 10 + 1 = 33 in Ngj1.
        QTest::newRow("nothing before: entry 33 still black") << QList<Int16> {} << "#000000";
        QTest::newRow("after Ngj2: its entry 33") << QList<Int16> { 5 } << "#B9FF00";
        QTest::newRow("a shade scheme writes no palette") << QList<Int16> { 5, 0, 3 } << "#B9FF00";
        QTest::newRow("after Ngj3: its entry 33") << QList<Int16> { 6 } << "#FF4000";
        QTest::newRow("the last writer wins") << QList<Int16> { 6, 5 } << "#B9FF00";
    }

    void paletteRemembersEarlierSchemes()
    {
        QFETCH(QList<Int16>, before);
        QFETCH(QString, fill);
        const QStringList lines = DumpLines(Inputs(QStringLiteral("a,10\nb,-10\n"), "-100", 4, before));
        const QStringList boxes = lines.filter(QRegularExpression("^Box "));
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[0], QStringLiteral("Box 300 300 4785 4785 outline #004040 fill #FF0000 solid"));
        QCOMPARE(boxes[1], QStringLiteral("Box 4800 300 9285 4785 outline #004040 fill %1 solid").arg(fill));
    }

    void rejectedListIsNotRead()
    {
        Session session;
        const auto error = ReadSession(Inputs(QStringLiteral("a,1\nb,2\nc,40000\n")), session);
        QVERIFY(error);
        QCOMPARE(error->line, 3);
        QCOMPARE(session.form.entries.EntryCount, Int16(0));
    }
};

QTEST_GUILESS_MAIN(TestOpDump)
#include "tst_op_dump.moc"
