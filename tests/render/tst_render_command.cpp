// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole command: exit codes, messages, the files it leaves behind, and
// the picture it writes. Most cases run in-process; a few run the program.

#include "support/command_run.h"
#include "support/files.h"
#include "support/pictures.h"

#include "cli/exit_status.h"
#include "render/render_command.h"
#include "surface/pixel_buffer.h"
#include "surface/window_defaults.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace cellaro;
using namespace cellaro::testing;

namespace {

// Runs the command in `folder` (paths in `arguments` are relative to it).
CommandRun Run(const QDir& folder, const QStringList& arguments, const QByteArray& input = {})
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const CommandRun run = RunInProcess(RunRenderCommand, QStringLiteral("cellaro-render"), arguments, input);
    QDir::setCurrent(previous);
    return run;
}



QByteArray AcceptedLines(int count)
{
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += "e" + QByteArray::number(i) + "," + QByteArray::number(i % 500) + "\n";
    return text;
}

QRgb PixelAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// The default list as the renderer draws it, checked in.
QImage ReferencePicture() { return QImage(QStringLiteral(CELLARO_REFERENCE_PICTURE)); }

// A fontconfig configuration: the system's own with `rules` added, or only
// `rules` when `withSystemFonts` is false.
QByteArray FontConfiguration(const QByteArray& rules, bool withSystemFonts, const QString& cacheFolder)
{
    const QByteArray system = withSystemFonts
        ? "<include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n" : "";
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
           "<fontconfig>\n" + system + rules + "\n<cachedir>" + cacheFolder.toUtf8()
        + "</cachedir>\n</fontconfig>\n";
}

// A rule that sets one property of every font found.
QByteArray Setting(const QByteArray& property, const QByteArray& value)
{
    return "<match target=\"font\"><edit name=\"" + property + "\" mode=\"assign\">" + value
        + "</edit></match>";
}

} // namespace

class TestRenderCommand : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    QDir folder() const { return QDir(folder_.path()); }

private slots:
    // The pictures hold percentages, which follow the locale: the command
    // in-process and every program started run in the C locale, whatever
    // the suite was started under.
    void initTestCase()
    {
        qputenv("LC_ALL", "C.UTF-8");
        QLocale::setDefault(QLocale::c());
    }

    void init()
    {
        QVERIFY(folder_.isValid());
        QDir dir = folder();
        for (const QString& name : dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            QVERIFY(QFileInfo(dir.filePath(name)).isDir() ? QDir(dir.filePath(name)).removeRecursively()
                                                         : dir.remove(name));
    }

    // Each row: the list file's bytes (written to list.txt unless empty),
    // the arguments, what must come out.
    void outcome_data()
    {
        QTest::addColumn<QByteArray>("listFile");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message"); // in the one stderr line; empty: no line
        QTest::addColumn<bool>("pictureWritten");

        const QStringList toPng { "--list", "list.txt", "-o", "out.png" };
        QTest::newRow("default list") << QByteArray() << QStringList { "-o", "out.png" } << cli::kExitDone
                                      << "" << true;
        QTest::newRow("list file, svg") << QByteArray("a,1\n") << QStringList { "--list", "list.txt", "-o", "out.svg" }
                                        << cli::kExitDone << "" << true;
        QTest::newRow("unknown option") << QByteArray() << QStringList { "--size", "9", "-o", "out.png" }
                                        << cli::kExitUsage << "size" << false;
        QTest::newRow("unknown scheme") << QByteArray() << QStringList { "--scheme", "Roz", "-o", "out.png" }
                                        << cli::kExitUsage << "Roz" << false;
        QTest::newRow("missing -o") << QByteArray() << QStringList { "--scheme", "Kuq" } << cli::kExitUsage
                                    << "-o" << false;
        QTest::newRow("-o twice") << QByteArray() << QStringList { "-o", "a.png", "--output", "out.png" }
                                  << cli::kExitUsage << "-o is given more than once" << false;
        QTest::newRow("--scheme twice") << QByteArray()
                                        << QStringList { "--scheme", "Gri", "--scheme", "Kuq", "-o", "out.png" }
                                        << cli::kExitUsage << "--scheme is given more than once" << false;
        QTest::newRow("unreadable list") << QByteArray() << QStringList { "--list", "none.txt", "-o", "out.png" }
                                         << cli::kExitBadInput << "none.txt" << false;
        QTest::newRow("unreadable list, a line feed in its name")
            << QByteArray() << QStringList { "--list", "no\nne.txt", "-o", "out.png" } << cli::kExitBadInput
            << "cannot read \"no\\x0ane.txt\"" << false;
        QTest::newRow("list is a folder") << QByteArray() << QStringList { "--list", ".", "-o", "out.png" }
                                          << cli::kExitBadInput << "cannot read" << false;
        QTest::newRow("count overflows in line 2")
            << QByteArray("a,1\nb,40000\nc,2\n") << toPng << cli::kExitBadInput << "line 2" << false;
        QTest::newRow("lines without comma still count")
            << QByteArray("title\n\na,32767.5\n") << toPng << cli::kExitBadInput << "line 3" << false;
        QTest::newRow("CR LF line ends count once")
            << QByteArray("a,1\r\nb,2\r\nc,32768\r\n") << toPng << cli::kExitBadInput << "line 3" << false;
        QTest::newRow("10001st accepted line") << AcceptedLines(10001) << toPng << cli::kExitBadInput
                                               << "line 10001" << false;
        QTest::newRow("10000 accepted lines") << AcceptedLines(10000) << toPng << cli::kExitDone << ""
                                              << true;
        QTest::newRow("output folder missing")
            << QByteArray() << QStringList { "-o", "missing/out.png" } << cli::kExitBadInput << "missing/out.png"
            << false;
        QTest::newRow("nothing accepted") << QByteArray("a line without a comma\n") << toPng << cli::kExitDone
                                          << "no line was accepted" << true;
        QTest::newRow("threshold above every count")
            << QByteArray("a,5\n") << QStringList { "--list", "list.txt", "--threshold", "6", "-o", "out.png" }
            << cli::kExitDone << "no line was accepted" << true;
        QTest::newRow("largest count 0") << QByteArray("a,0\nb,0\n") << toPng << cli::kExitDone
                                         << "no count is above 0" << true;
    }

    void outcome()
    {
        QFETCH(QByteArray, listFile);
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QFETCH(bool, pictureWritten);
        if (!listFile.isEmpty())
            QVERIFY(WriteFile(folder().filePath("list.txt"), listFile));

        const CommandRun run = Run(folder(), arguments);
        QTEST(run.exitCode, "exitCode");
        if (message.isEmpty()) {
            QCOMPARE(run.errorLines, QStringList());
        } else {
            QCOMPARE(run.errorLines.size(), 1);
            QVERIFY2(run.errorLines.first().startsWith("cellaro-render: "), qPrintable(run.errorLines.first()));
            QVERIFY2(run.errorLines.first().contains(message), qPrintable(run.errorLines.first()));
        }
        const QStringList written = folder().entryList({ "out.*" }, QDir::Files);
        QCOMPARE(written.size(), pictureWritten ? 1 : 0);
        QCOMPARE(folder().entryList(QDir::Files | QDir::Hidden).size(),
                 int(written.size()) + (listFile.isEmpty() ? 0 : 1));
    }

    void failureKeepsThePreviousPicture()
    {
        QVERIFY(WriteFile(folder().filePath("out.png"), "the picture of yesterday"));
        QVERIFY(WriteFile(folder().filePath("list.txt"), "a,99999\n"));
        const CommandRun run = Run(folder(), { "--list", "list.txt", "-o", "out.png" });
        QCOMPARE(run.exitCode, cli::kExitBadInput);
        QCOMPARE(ReadFile(folder().filePath("out.png")), QByteArray("the picture of yesterday"));
        QCOMPARE(folder().entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // Pixels of the default list in Gri, from the cell boxes in twips
    // (15 to the pixel) and the grey shades of the worked example.
    void defaultListPixels_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QRgb>("colour"); // 0xRRGGBB; 1: the window's background

        QTest::newRow("outline corner of a") << QPoint(20, 20) << QRgb(0x004040);
        QTest::newRow("inside a, below its texts") << QPoint(110, 115) << QRgb(0xAFAFAF);
        QTest::newRow("inside ë") << QPoint(210, 215) << QRgb(0x000000);
        QTest::newRow("outline end of ë") << QPoint(219, 219) << QRgb(0x004040);
        QTest::newRow("gap between a and b") << QPoint(119 + 1, 60) << QRgb(0x004040);
        QTest::newRow("inside v") << QPoint(110, 615) << QRgb(0xFFFFFF);
        QTest::newRow("left margin") << QPoint(10, 300) << QRgb(1);
        QTest::newRow("below the grid") << QPoint(300, 625) << QRgb(1);
        QTest::newRow("last pixel") << QPoint(638, 638) << QRgb(1);
    }

    void defaultListPixels()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QRgb, colour);
        const CommandRun run = Run(folder(), { "-o", "out.png" });
        QCOMPARE(run.exitCode, cli::kExitDone);
        const QImage image(folder().filePath("out.png"));
        const QRgb expected = colour == 1 ? (OpaquePixel(kWindowBackground) & 0xFFFFFF) : colour;
        QCOMPARE(QString::number(PixelAt(image, pixel.x(), pixel.y()), 16), QString::number(expected, 16));
    }

    void emptyPictureIsTheBackground()
    {
        QVERIFY(WriteFile(folder().filePath("list.txt"), "a,0\n"));
        QCOMPARE(Run(folder(), { "--list", "list.txt", "-o", "out.png" }).exitCode, cli::kExitDone);
        QImage background(639, 639, QImage::Format_RGB32);
        background.fill(OpaquePixel(kWindowBackground));
        QCOMPARE(QImage(folder().filePath("out.png")).convertToFormat(QImage::Format_RGB32), background);
    }

    void listBytes_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("firstEntry");

        QTest::newRow("UTF-8 letters") << QByteArray("\xC3\xAB,1377\n") << QString::fromUtf8("Entry 1 1377 \"ë\"");
        QTest::newRow("byte-order mark dropped") << QByteArray("\xEF\xBB\xBF" "a,5\n") << "Entry 1 5 \"a\"";
        QTest::newRow("CR alone ends no line") << QByteArray("a,1\rb,2\n") << "Entry 1 1 \"a\"";
        QTest::newRow("blank kept, tab dropped") << QByteArray(" a\t,5\n") << "Entry 1 5 \" a\"";
    }

    void listBytes()
    {
        QFETCH(QByteArray, input);
        const CommandRun run = Run(folder(), { "--list", "-", "--dump" }, input);
        QCOMPARE(run.exitCode, cli::kExitDone);
        const QStringList lines = QString::fromUtf8(run.output).split(u'\n');
        QCOMPARE(lines[0], QStringLiteral("EntryCount 1"));
        QTEST(lines[3], "firstEntry");
    }

    void pictureToStandardOutput_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("png") << "png" << QByteArray("\x89PNG\r\n");
        QTest::newRow("svg") << "svg" << QByteArray("<?xml");
    }

    void pictureToStandardOutput()
    {
        QFETCH(QString, format);
        const CommandRun run = Run(folder(), { "-o", "-", "--format", format });
        QCOMPARE(run.exitCode, cli::kExitDone);
        QFETCH(QByteArray, start);
        QVERIFY(run.output.startsWith(start));
        QCOMPARE(folder().entryList(QDir::Files).size(), 0);
    }

    void helpAndVersionGoToStandardOutput()
    {
        const CommandRun version = Run(folder(), { "--version" });
        QCOMPARE(version.exitCode, cli::kExitDone);
        QCOMPARE(version.output, QByteArray("Cellaro 1.00\n"));
        const CommandRun help = Run(folder(), { "--help" });
        QCOMPARE(help.exitCode, cli::kExitDone);
        QVERIFY(help.output.startsWith("Usage: cellaro-render"));
        QCOMPARE(help.errorLines, QStringList());
    }

    // The real program draws the default list into the same pixels whatever
    // fonts and font settings the machine has: the reference picture. Each
    // row gives the program a fontconfig configuration (and environment) of
    // its own.
    void samePictureWhateverTheFonts_data()
    {
        QTest::addColumn<QByteArray>("rules");
        QTest::addColumn<bool>("withSystemFonts");
        QTest::addColumn<QStringList>("environment");

        QTest::newRow("the machine's own") << QByteArray() << true << QStringList {};
        QTest::newRow("no fonts at all") << QByteArray() << false << QStringList {};
        QTest::newRow("sans-serif is a serif font")
            << QByteArray("<dir>/usr/share/fonts/truetype/dejavu</dir>"
                          "<alias binding=\"strong\"><family>sans-serif</family>"
                          "<prefer><family>DejaVu Serif</family></prefer></alias>"
                          "<alias binding=\"strong\"><family>Liberation Sans</family>"
                          "<prefer><family>DejaVu Serif</family></prefer></alias>")
            << false << QStringList {};
        QTest::newRow("an older Liberation Sans installed")
            << QByteArray("<dir>/usr/share/fonts/truetype/liberation</dir>") << false << QStringList {};
        QTest::newRow("full hinting") << Setting("hintstyle", "<const>hintfull</const>") << true << QStringList {};
        QTest::newRow("no hinting") << Setting("hintstyle", "<const>hintnone</const>") << true << QStringList {};
        QTest::newRow("hinting off") << Setting("hinting", "<bool>false</bool>") << true << QStringList {};
        QTest::newRow("antialiasing off") << Setting("antialias", "<bool>false</bool>") << true << QStringList {};
        QTest::newRow("subpixel rgb") << Setting("rgba", "<const>rgb</const>") << true << QStringList {};
        QTest::newRow("subpixel with lcd filter")
            << Setting("rgba", "<const>rgb</const>") + Setting("lcdfilter", "<const>lcdlight</const>")
            << true << QStringList {};
        QTest::newRow("autohinter") << Setting("autohint", "<bool>true</bool>") << true << QStringList {};
        QTest::newRow("embolden") << Setting("embolden", "<bool>true</bool>") << true << QStringList {};
        QTest::newRow("dpi 144") << Setting("dpi", "<double>144</double>") << true << QStringList {};
        QTest::newRow("font dpi 120") << QByteArray() << true << QStringList { "QT_FONT_DPI=120" };
        QTest::newRow("scale factor 2") << QByteArray() << true << QStringList { "QT_SCALE_FACTOR=2" };
        QTest::newRow("FreeType's older interpreter, stems darkened")
            << QByteArray() << true
            << QStringList { "FREETYPE_PROPERTIES=truetype:interpreter-version=35 autofitter:no-stem-darkening=0" };
    }

    void samePictureWhateverTheFonts()
    {
        QFETCH(QByteArray, rules);
        QFETCH(bool, withSystemFonts);
        QFETCH(QStringList, environment);
        const QString configuration = folder().filePath("fonts.conf");
        QVERIFY(WriteFile(configuration, FontConfiguration(rules, withSystemFonts, folder().filePath("cache"))));
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        variables.insert("LC_ALL", "C.UTF-8");
        variables.insert("FONTCONFIG_FILE", configuration);
        for (const QString& assignment : environment)
            variables.insert(assignment.section(u'=', 0, 0), assignment.section(u'=', 1));
        const auto programPng = [&](const QStringList& arguments) {
            QProcess program;
            program.setProcessEnvironment(variables);
            program.setWorkingDirectory(folder().path());
            program.start(CELLARO_RENDER_PROGRAM, arguments + QStringList { "-o", "-", "--format", "png" });
            return program.waitForFinished(30000) && program.exitCode() == cli::kExitDone
                ? program.readAllStandardOutput() : QByteArray();
        };
        const QByteArray png = programPng({});
        const QString difference = PictureDifference(QImage::fromData(png, "PNG"), ReferencePicture());
        if (!difference.isEmpty())
            WriteFile(QDir::temp().filePath("cellaro-default-list-actual.png"), png);
        QVERIFY2(difference.isEmpty(), qPrintable(difference + QStringLiteral(" (the picture drawn is in ")
                                                  + QDir::temp().filePath("cellaro-default-list-actual.png") + u')'));

        // Every letter, against the picture drawn here with the machine's
        // own settings: the glyphs' advances must not follow the settings.
        QVERIFY(WriteFile(folder().filePath("letters.txt"),
                  "Gjelber,9\nabcdefghijklm,8\nnopqrstuvwxyz,7\nABCDEFGHIJKLM,6\nNOPQRSTUVWXYZ,5\n"));
        const QStringList letters { "--list", "letters.txt" };
        const CommandRun here = Run(folder(), letters + QStringList { "-o", "-", "--format", "png" });
        QCOMPARE(here.exitCode, cli::kExitDone);
        const QString letterDifference = PictureDifference(QImage::fromData(programPng(letters), "PNG"),
                                                           QImage::fromData(here.output, "PNG"));
        QVERIFY2(letterDifference.isEmpty(), qPrintable(letterDifference));
    }

    void docsPictureIsCurrent()
    {
        const QString difference = PictureDifference(QImage(QStringLiteral(CELLARO_DOCS_PICTURE)), ReferencePicture());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // The real program, with no display and no platform named.
    void programRunsWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("errorLines");
        QTest::addColumn<bool>("pictureWritten");

        QTest::newRow("png") << QStringList { "-o", "out.png" } << cli::kExitDone << 0 << true;
        QTest::newRow("svg") << QStringList { "--scheme", "Ngj3", "-o", "out.svg" } << cli::kExitDone << 0 << true;
        QTest::newRow("usage") << QStringList { "--scheme", "x", "-o", "out.png" } << cli::kExitUsage << 1 << false;
        QTest::newRow("input") << QStringList { "--list", "none", "-o", "out.png" } << cli::kExitBadInput << 1 << false;
    }

    void programRunsWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, pictureWritten);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("XDG_RUNTIME_DIR");
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(folder().path());
        program.start(CELLARO_RENDER_PROGRAM, arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QTEST(program.exitCode(), "exitCode");
        const QByteArray errors = program.readAllStandardError();
        QTEST(int(errors.count('\n')), "errorLines");
        QCOMPARE(folder().entryList({ "out.*" }, QDir::Files).size(), pictureWritten ? 1 : 0);
        if (pictureWritten && arguments.last().endsWith(".png"))
            QCOMPARE(QImage(folder().filePath("out.png")).size(), QSize(639, 639));
    }

    // The real program answers exactly as the command does in-process, byte
    // for byte: help, version and usage errors are answered before any
    // application object exists, the toolkit takes no argument for itself
    // nor any platform but the offscreen one, and output to standard output
    // is complete.
    void programAnswersAsInProcess_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("list"); // written to list.txt unless empty
        QTest::addColumn<QByteArray>("platform"); // QT_QPA_PLATFORM, unset when empty

        QTest::newRow("--version") << QStringList { "--version" } << QByteArray() << QByteArray();
        QTest::newRow("-v") << QStringList { "-v" } << QByteArray() << QByteArray();
        QTest::newRow("--help") << QStringList { "--help" } << QByteArray() << QByteArray();
        QTest::newRow("help wins over a bad scheme") << QStringList { "--scheme", "Foo", "-h" } << QByteArray() << QByteArray();
        QTest::newRow("unknown option") << QStringList { "--size", "9", "-o", "out.png" } << QByteArray() << QByteArray();
        QTest::newRow("unknown scheme") << QStringList { "--scheme", "x", "-o", "out.png" } << QByteArray() << QByteArray();
        QTest::newRow("no arguments") << QStringList {} << QByteArray() << QByteArray();
        QTest::newRow("stray argument") << QStringList { "list.txt", "-o", "out.png" } << QByteArray() << QByteArray();
        QTest::newRow("toolkit's -platform, then --version")
            << QStringList { "-platform", "offscreen", "--version" } << QByteArray() << QByteArray();
        QTest::newRow("toolkit's --reverse, then --help") << QStringList { "--reverse", "--help" } << QByteArray() << QByteArray();
        QTest::newRow("toolkit's -style=, then a usage error")
            << QStringList { "-style=x", "--scheme", "9" } << QByteArray() << QByteArray();
        QTest::newRow("an X11 platform named, no display")
            << QStringList { "--dump", "--scheme", "Gri" } << QByteArray() << QByteArray("xcb");
        QTest::newRow("dump") << QStringList { "--dump", "--scheme", "Ngj4" } << QByteArray() << QByteArray();
        QTest::newRow("png to standard output") << QStringList { "-o", "-", "--format", "png" } << QByteArray() << QByteArray();
        // Texts the built-in font covers start the program's fonts without
        // the machine's configuration; the others take glyphs from it.
        const QStringList listPng { "--list", "list.txt", "-o", "-", "--format", "png" };
        QTest::newRow("png, letters of the built-in font")
            << listPng << QByteArray("\xC3\xABshkrim,9\nAVTo fi,8\n\xD0\x96,7\n") << QByteArray();
        QTest::newRow("png, an Armenian label") << listPng << QByteArray("a,9\n\xD4\xB1" "b,5\n") << QByteArray();
        QTest::newRow("png, a check mark among letters") << listPng << QByteArray("ok\xE2\x9C\x93,3\nab,4\n") << QByteArray();
        QTest::newRow("png, an emoji") << listPng << QByteArray("\xF0\x9F\x98\x80,2\n") << QByteArray();
        QTest::newRow("png, header letters") << listPng << AcceptedLines(1296) << QByteArray();
        QTest::newRow("png, no texts") << listPng << AcceptedLines(200) << QByteArray();
    }

    void programAnswersAsInProcess()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, list);
        QFETCH(QByteArray, platform);
        if (!list.isEmpty())
            WriteFile(folder().filePath("list.txt"), list);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        if (!platform.isEmpty())
            environment.insert("QT_QPA_PLATFORM", QString::fromLatin1(platform));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(folder().path());
        program.start(CELLARO_RENDER_PROGRAM, arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);

        const CommandRun run = Run(folder(), arguments);
        QCOMPARE(program.exitCode(), run.exitCode);
        QCOMPARE(program.readAllStandardOutput(), run.output);
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts),
                 run.errorLines);
    }
};

QTEST_MAIN(TestRenderCommand)
#include "tst_render_command.moc"
