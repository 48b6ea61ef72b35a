// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer's command line: what each argument list asks for, and which
// argument lists are usage errors.

#include "render/render_options.h"
#include "surface/product.h"

#include <QProcess>
#include <QTest>

using namespace cellaro;

Q_DECLARE_METATYPE(QList<Int16>)

namespace {

QStringList Arguments(const QString& line)
{
    return QStringList { QStringLiteral("cellaro-render") } + QProcess::splitCommand(line);
}

} // namespace

class TestRenderOptions : public QObject {
    Q_OBJECT

private slots:
    void renderRequest_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("listPath"); // "(default)" for none
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QList<Int16>>("schemesBefore");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("svg");
        QTest::addColumn<bool>("dump");

        const QString none = QStringLiteral("(default)");
        const QList<Int16> noSchemes;
        QTest::newRow("only the output") << Arguments("-o out.png") << none << "0" << 0 << noSchemes
                                         << "out.png" << false << false;
        QTest::newRow("long output option") << Arguments("--output=a/b.svg") << none << "0" << 0
                                            << noSchemes << "a/b.svg" << true << false;
        QTest::newRow("extension in capitals") << Arguments("-o OUT.SVG") << none << "0" << 0
                                               << noSchemes << "OUT.SVG" << true << false;
        QTest::newRow("format overrides extension")
            << Arguments("-o out.svg --format png") << none << "0" << 0 << noSchemes << "out.svg"
            << false << false;
        QTest::newRow("standard output with format") << Arguments("-o - --format svg") << none << "0"
                                                     << 0 << noSchemes << "-" << true << false;
        QTest::newRow("scheme by item text") << Arguments("--scheme Ngj4 -o a.png") << none << "0"
                                             << 7 << noSchemes << "a.png" << false << false;
        QTest::newRow("scheme Gjelber") << Arguments("--scheme Gjelber -o a.png") << none << "0" << 2
                                        << noSchemes << "a.png" << false << false;
        QTest::newRow("scheme by index") << Arguments("--scheme 5 -o a.png") << none << "0" << 5
                                         << noSchemes << "a.png" << false << false;
        QTest::newRow("schemes before, mixed forms")
            << Arguments("--schemes-before Ngj2,4,Kuq --scheme Ngj1 -o a.png") << none << "0" << 4
            << QList<Int16> { 5, 4, 1 } << "a.png" << false << false;
        QTest::newRow("empty schemes before") << Arguments("--schemes-before= -o a.png") << none << "0"
                                              << 0 << noSchemes << "a.png" << false << false;
        QTest::newRow("list from stdin, threshold kept raw")
            << Arguments("--list - --threshold \" 12 \" -o a.png") << "-" << " 12 " << 0 << noSchemes
            << "a.png" << false << false;
        QTest::newRow("negative threshold as next argument")
            << Arguments("--threshold -5 -o a.png") << none << "-5" << 0 << noSchemes << "a.png"
            << false << false;
        QTest::newRow("list file") << Arguments("--list my.txt --dump") << "my.txt" << "0" << 0
                                   << noSchemes << "" << false << true;
    }

    void renderRequest()
    {
        QFETCH(QStringList, arguments);
        const ParsedRenderArguments parsed = ParseRenderArguments(arguments);
        const auto* request = std::get_if<RenderOptions>(&parsed);
        if (!request)
            QFAIL(qPrintable(std::get<cli::CommandAnswer>(parsed).text));
        const RenderOptions& options = *request;

        QFETCH(QString, listPath);
        QCOMPARE(options.listPath.value_or(QStringLiteral("(default)")), listPath);
        QTEST(options.thresholdText, "threshold");
        QTEST(int(options.scheme), "scheme");
        QTEST(options.schemesBefore, "schemesBefore");
        QTEST(options.outputPath, "output");
        QFETCH(bool, dump);
        QCOMPARE(options.dump, dump);
        if (!dump) {
            QFETCH(bool, svg);
            QCOMPARE(options.format, svg ? PictureFormat::Svg : PictureFormat::Png);
        }
    }

    void usageError_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("mentions");

        QTest::newRow("unknown option") << Arguments("--colour red -o a.png") << "colour";
        QTest::newRow("unknown scheme name") << Arguments("--scheme Grey -o a.png") << "Grey";
        QTest::newRow("item texts match case") << Arguments("--scheme gri -o a.png") << "gri";
        QTest::newRow("index past the last item") << Arguments("--scheme 8 -o a.png") << "8";
        QTest::newRow("negative index") << Arguments("--scheme -1 -o a.png") << "-1";
        QTest::newRow("index with leading zero") << Arguments("--scheme 07 -o a.png") << "07";
        QTest::newRow("empty element in schemes before")
            << Arguments("--schemes-before Ngj2,,Kuq -o a.png") << "Ngj2,,Kuq";
        QTest::newRow("unknown scheme before") << Arguments("--schemes-before Ngj9 -o a.png") << "Ngj9";
        QTest::newRow("no output at all") << Arguments("") << "-o";
        QTest::newRow("output option without value") << Arguments("-o") << "o";
        QTest::newRow("empty output path") << Arguments("--output=") << "empty";
        QTest::newRow("unknown extension") << Arguments("-o a.gif") << "a.gif";
        QTest::newRow("no extension") << Arguments("-o picture") << "picture";
        QTest::newRow("dot only in a folder name") << Arguments("-o my.dir/picture") << "my.dir/picture";
        QTest::newRow("standard output without format") << Arguments("-o -") << "--format";
        QTest::newRow("unknown format") << Arguments("--format jpeg -o a.png") << "jpeg";
        QTest::newRow("dump with an output file") << Arguments("--dump -o a.png") << "-o";
        QTest::newRow("stray argument") << Arguments("list.txt -o a.png") << "list.txt";
        QTest::newRow("a flag given twice") << Arguments("--dump --dump") << "--dump is given more than once";
        QTest::newRow("an option given twice, under both names")
            << Arguments("-o a.png --output b.png") << "-o is given more than once";
        QTest::newRow("terminal controls in an unknown option are written out")
            << Arguments("--\x1b[2J -o a.png") << "'\\x1b[2J'";
    }

    void usageError()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, mentions);
        const ParsedRenderArguments parsed = ParseRenderArguments(arguments);
        const auto* error = std::get_if<cli::CommandAnswer>(&parsed);
        QVERIFY2(error && error->kind == cli::CommandAnswer::Usage, qPrintable(arguments.join(u' ')));
        QVERIFY2(error->text.contains(mentions), qPrintable(error->text));
        QVERIFY2(!error->text.contains(u'\n'), "a usage error is one line");
    }

    void helpAndVersion_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("help");

        QTest::newRow("--help") << Arguments("--help") << true;
        QTest::newRow("-h") << Arguments("-h") << true;
        QTest::newRow("help wins over a bad scheme") << Arguments("--scheme Foo --help") << true;
        QTest::newRow("--version") << Arguments("--version") << false;
        QTest::newRow("-v") << Arguments("-v") << false;
    }

    void helpAndVersion()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, help);
        const ParsedRenderArguments parsed = ParseRenderArguments(arguments);
        const auto* answer = std::get_if<cli::CommandAnswer>(&parsed);
        QVERIFY(answer);
        QCOMPARE(answer->kind, help ? cli::CommandAnswer::Help : cli::CommandAnswer::Version);
    }

    void helpNamesEveryOption_data()
    {
        QTest::addColumn<QString>("option");
        for (const char* option : { "--list", "--threshold", "--scheme", "--schemes-before", "-o",
                                    "--format", "--dump", "--version", "cellaro-render" })
            QTest::newRow(option) << QString::fromLatin1(option);
    }

    void helpNamesEveryOption()
    {
        QFETCH(QString, option);
        const ParsedRenderArguments parsed = ParseRenderArguments(Arguments("--help"));
        QVERIFY(std::get<cli::CommandAnswer>(parsed).text.contains(option));
    }

    void versionText() { QCOMPARE(ProductVersionLine(), QStringLiteral("Cellaro 1.00")); }
};

QTEST_GUILESS_MAIN(TestRenderOptions)
#include "tst_render_options.moc"
