// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole cellaro-count command in-process: exit statuses, the one line on
// standard error, what it writes and what it leaves; its lists read back by
// Cellaro's own parser; and its pairs piped into the real cellaro-render.

#include "support/command_run.h"
#include "support/files.h"

#include "count/count_command.h"
#include "entries/list_parser.h"
#include "surface/pixel_buffer.h"
#include "surface/window_defaults.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace cellaro::count;
using namespace cellaro::testing;

namespace {

const QStringList kAlphabet { "a", "b", "c", "ç", "d", "dh", "e", "ë", "f", "g", "gj", "h",
                              "i", "j", "k", "l", "ll", "m", "n", "nj", "o", "p", "q", "r",
                              "rr", "s", "sh", "t", "th", "u", "v", "x", "xh", "y", "z", "zh" };

const QByteArray kEarlier("an earlier list\n");

const QByteArray kSentence("Shtëpia e xhaxhait, gjysh mollë dhe zhurmë; shtrat, llogari, nga një.\n");



CommandRun Run(const QStringList& arguments, const QByteArray& input = {})
{
    return RunInProcess(RunCountCommand, QStringLiteral("cellaro-count"), arguments, input);
}

QStringList Lines(const QByteArray& output) { return QString::fromUtf8(output).split(u'\n', Qt::SkipEmptyParts); }

QString PairLabel(int index) { return kAlphabet[index / 36] + kAlphabet[index % 36]; }

// Whether any pixel in the rectangle is dark: letters are black, the window's
// background light.
bool HasInk(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 96)
                return true;
    return false;
}

} // namespace

class TestCountCommand : public QObject {
    Q_OBJECT

    std::unique_ptr<CurrentTemporaryFolder> folder_;

private slots:
    void init()
    {
        folder_ = std::make_unique<CurrentTemporaryFolder>();
        QVERIFY(folder_->isValid());
    }

    void cleanup() { folder_.reset(); }

    void outcome_data()
    {
        QTest::addColumn<QStringList>("files"); // "name=content" made before the run
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");  // standard input
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");     // in the one line on stderr; empty: no line
        QTest::addColumn<QString>("outputFile"); // where the list goes ("-": standard output)
        QTest::addColumn<int>("lines");          // lines written there, when the run succeeds
        QTest::addColumn<QString>("line");       // one of them; empty: none checked

        const QString text = "t.txt=" + QString::fromUtf8(kSentence);
        const auto row = [](const char* name, const QStringList& files, const QStringList& arguments,
                            const QByteArray& input, int exitCode, const QString& error,
                            const QString& outputFile, int lines, const QString& line) {
            QTest::newRow(name) << files << arguments << input << exitCode << error << outputFile << lines << line;
        };
        const QString aLot = "big.txt=" + QString("a ").repeated(32768);
        row("one file", { text }, { "t.txt" }, "", 0, "", "-", 36, "sh,3");
        row("pairs", { text }, { "--pairs", "t.txt" }, "", 0, "", "-", 1296, "xha,2");
        row("no file reads standard input", {}, {}, kSentence, 0, "", "-", 36, "xh,2");
        row("- reads standard input", {}, { "-", "--pairs" }, kSentence, 0, "", "-", 1296, "shh,0");
        row("two files counted together", { text, "u.txt=xhaxhai" }, { "t.txt", "u.txt" }, "", 0, "", "-", 36,
            "xh,4");
        row("a file and standard input", { text }, { "t.txt", "-" }, "xh", 0, "", "-", 36, "xh,3");
        row("-o over an earlier file", { text }, { "t.txt", "-o", "out.txt" }, "", 0, "", "out.txt", 36, "ë,4");
        row("unreadable file", { text }, { "t.txt", "none.txt", "-o", "out.txt" }, "", 1,
            "cannot read \"none.txt\": No such file or directory", "out.txt", 0, "");
        row("a folder", {}, { ".", "-o", "out.txt" }, "", 1, "cannot read \".\": Is a directory", "out.txt", 0, "");
        row("binary file", { QString("bin=ab") + QChar(0) + "cd" }, { "bin", "-o", "out.txt" }, "", 1,
            "\"bin\" is not a text: a NUL byte at offset 2", "out.txt", 0, "");
        row("binary standard input", {}, { "-o", "out.txt" }, QByteArray("sh\0", 3), 1,
            "standard input is not a text: a NUL byte at offset 2", "out.txt", 0, "");
        row("NUL past the first 8 KiB", { "late.txt=" + QString("x").repeated(8192) + QChar(0) }, { "late.txt" },
            "", 0, "", "-", 36, "x,8192");
        // The 32768th a is the text's last byte: only the end of the text counts it.
        row("count 32768", { "big.txt=" + QString("a ").repeated(32767) + "a" }, { "big.txt", "-o", "out.txt" }, "", 1,
            "the count of \"a\" is 32768, above 32767 (--scale divides the counts)", "out.txt", 0, "");
        row("count far above: the message names the real count", { "big.txt=" + QString("ë ").repeated(60000) },
            { "big.txt", "-o", "out.txt" }, "", 1, "the count of \"ë\" is 60000, above 32767", "out.txt", 0, "");
        row("UTF-16LE with its byte-order mark", {}, { "-o", "out.txt" }, QByteArray("\xFF\xFEs\0h\0", 6), 1,
            "standard input is in UTF-16LE (it starts with that byte-order mark); only UTF-8 texts are read",
            "out.txt", 0, "");
        row("UTF-32BE with its byte-order mark", {}, { "-o", "out.txt" }, QByteArray("\0\0\xFE\xFF\0\0\0a", 8), 1,
            "standard input is in UTF-32BE", "out.txt", 0, "");
        row("pair count above", { "big.txt=" + QString("ab ").repeated(32768) }, { "--pairs", "big.txt" }, "",
            1, "the count of \"ab\" is", "-", 0, "");
        row("large letters do not matter to pairs", { aLot }, { "--pairs", "big.txt" }, "", 0, "", "-", 1296,
            "aa,0");
        row("--scale", { aLot }, { "--scale", "big.txt" }, "", 0, "note: counts divided by 10", "-", 36,
            "a,3277");
        row("--scale when all fit: no note", { text }, { "--scale", "t.txt" }, "", 0, "", "-", 36, "sh,3");
        row("U+FFFD itself is valid UTF-8", { "bad.txt=a" + QString(QChar(0xFFFD)) }, { "bad.txt" }, "", 0, "", "-", 36,
            "a,1");
        row("unknown option", {}, { "--frobnicate", "-o", "out.txt" }, "", 2, "frobnicate", "out.txt", 0, "");
        row("-o without a file", {}, { "-o" }, "", 2, "Missing value after '-o'", "-", 0, "");
        row("empty -o", { text }, { "t.txt", "-o", "" }, "", 2, "the output path is empty", "-", 0, "");
        row("-o twice", { text }, { "t.txt", "-o", "a", "-o", "b" }, "", 2, "-o is given more than once", "-", 0, "");
        row("--pairs twice", { text }, { "--pairs", "--pairs", "t.txt" }, "", 2, "--pairs is given more than once",
            "-", 0, "");
        row("missing output folder", { text }, { "t.txt", "-o", "missing/out.txt" }, "", 1,
            "cannot write \"missing/out.txt\": No such file or directory", "-", 0, "");
    }

    void outcome()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        QFETCH(QString, outputFile);
        QFETCH(int, lines);
        QFETCH(QString, line);
        for (const QString& file : files)
            QVERIFY(WriteFile(file.section(u'=', 0, 0), file.section(u'=', 1).toUtf8()));
        if (outputFile != "-")
            QVERIFY(WriteFile(outputFile, kEarlier));
        const QStringList before = QDir().entryList(QDir::Files | QDir::Hidden);

        const CommandRun run = Run(arguments, input);

        QCOMPARE(run.exitCode, exitCode);
        if (error.isEmpty()) {
            QCOMPARE(run.errorLines, QStringList());
        } else {
            QCOMPARE(run.errorLines.size(), 1);
            QVERIFY2(run.errorLines.first().startsWith("cellaro-count: "), qPrintable(run.errorLines.first()));
            QVERIFY2(run.errorLines.first().contains(error), qPrintable(run.errorLines.first()));
        }
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), before);
        const QByteArray written = outputFile == "-" ? run.output : ReadFile(outputFile);
        if (exitCode != 0) {
            QCOMPARE(written, outputFile == "-" ? QByteArray() : kEarlier);
            return;
        }
        QCOMPARE(Lines(written).size(), lines);
        if (!line.isEmpty())
            QVERIFY2(Lines(written).contains(line), qPrintable(line));
    }

    void invalidBytesAreNoted()
    {
        QVERIFY(WriteFile("bad.txt", "sh\xFF\xFEt\xC3"));
        const CommandRun run = Run({ "bad.txt" });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errorLines, QStringList { "cellaro-count: note: 3 bytes that are not UTF-8 were not counted" });
        QVERIFY(Lines(run.output).contains("sh,1"));
        QVERIFY(Lines(run.output).contains("t,1"));
    }

    // Cellaro's own parser reads the lists back into exactly one entry per
    // line, labels in the default list's order, counts as written.
    void parsedBack_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("entries");
        QTest::newRow("letters") << QStringList {} << 36;
        QTest::newRow("letters, CR LF") << QStringList { "--crlf" } << 36;
        QTest::newRow("pairs") << QStringList { "--pairs" } << 1296;
        QTest::newRow("pairs, CR LF, scaled") << QStringList { "--pairs", "--crlf", "--scale" } << 1296;
    }

    void parsedBack()
    {
        QFETCH(QStringList, options);
        QFETCH(int, entries);
        QVERIFY(WriteFile("t.txt", kSentence.repeated(20)));
        const CommandRun run = Run(options + QStringList { "t.txt" });
        QCOMPARE(run.exitCode, 0);
        const bool crlf = options.contains("--crlf");
        QCOMPARE(run.output.count("\r\n"), crlf ? entries : 0);
        QCOMPARE(run.output.count('\n'), entries);

        const QString text = QString::fromUtf8(run.output);
        cellaro::EntryTable table;
        QVERIFY(!cellaro::ReadList(table, text, cellaro::ReadThreshold(u"0")));
        QCOMPARE(int(table.EntryCount), entries);
        const QStringList lines = Lines(run.output);
        for (int i = 1; i <= entries; ++i) {
            const QString label = entries == 36 ? kAlphabet[i - 1] : PairLabel(i - 1);
            QCOMPARE(table.EntryNames[std::size_t(i)], label);
            QCOMPARE(QString::number(table.EntryValues[std::size_t(i)]), lines[i - 1].section(u',', 1).trimmed());
        }
        // Row sh, column t: line (27 - 1) * 36 + 28.
        if (entries == 1296)
            QCOMPARE(lines[(27 - 1) * 36 + 28 - 1].section(u',', 0, 0), QStringLiteral("sht"));
        QVERIFY(table.MaxValue > 0);
    }

    void versionAndHelp_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("start");
        QTest::newRow("--version") << "--version" << "Cellaro 1.00\n";
        QTest::newRow("-v") << "-v" << "Cellaro 1.00\n";
        QTest::newRow("--help") << "--help" << "Usage: cellaro-count [OPTIONS] [FILE]...\n";
    }

    void versionAndHelp()
    {
        QFETCH(QString, option);
        QFETCH(QString, start);
        const CommandRun run = Run({ option, "none.txt" });
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.output.startsWith(start.toUtf8()), run.output.constData());
        QCOMPARE(run.errorLines, QStringList());
    }

    // The real programs in a pipe: the pairs draw the 36 x 36 matrix with
    // its header letters along the top and down the left; the letters do not.
    void pipeIntoRenderer_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<bool>("headerLetters");
        QTest::newRow("pairs: the letter-pair matrix") << "--pairs" << true;
        QTest::newRow("letters: 36 cells, no header") << "" << false;
    }

    void pipeIntoRenderer()
    {
        QFETCH(QString, options);
        QFETCH(bool, headerLetters);
        QVERIFY(WriteFile("text.txt", kSentence.repeated(50)));
        QProcess shell;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("COUNT", CELLARO_COUNT_PROGRAM);
        environment.insert("RENDER", CELLARO_RENDER_PROGRAM);
        shell.setProcessEnvironment(environment);
        shell.start("/bin/bash", { "-c", "set -o pipefail; cat text.txt | \"$COUNT\" " + options
                                             + " | \"$RENDER\" --list - -o pairs.png" });
        QVERIFY(shell.waitForFinished(60000));
        QCOMPARE(shell.exitCode(), 0);
        QCOMPARE(shell.readAllStandardError(), QByteArray());

        const QImage image = QImage("pairs.png").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), QSize(639, 639));
        // Header letter o: column letter at 330 + (o - 1) * 255 twips across
        // and 30 down, row letter the other way round; 15 twips to a pixel.
        for (int o = 1; o <= 36; ++o) {
            const int along = (330 + (o - 1) * 255) / 15;
            QCOMPARE(HasInk(image, QRect(along, 2, 15, 17)), headerLetters);
            QCOMPARE(HasInk(image, QRect(2, along, 17, 15)), headerLetters);
        }
        QCOMPARE(image.pixel(1, 1) & 0xFFFFFF, cellaro::OpaquePixel(cellaro::kWindowBackground) & 0xFFFFFF);
    }
};

QTEST_MAIN(TestCountCommand)
#include "tst_count_command.moc"
