// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile list files through the real cellaro-render program. A list that
// cannot be shown gives exactly one line on standard error, a non-zero exit
// and no output file (an existing one keeps its bytes); a list that is odd
// but readable is drawn.

#include "support/files.h"
#include "support/other_users.h"
#include "entries/list_parser.h"
#include "cli/exit_status.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace cellaro;
using namespace cellaro::testing;

namespace {

constexpr int kFiveMegabytes = 5 * 1024 * 1024;
const QByteArray kOldPicture("bytes of an earlier picture");

struct ProgramRun {
    int exitCode = -1;
    QList<QByteArray> errorLines;
};

ProgramRun RunProgram(const QDir& folder, const QStringList& arguments)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder.path());
    program.start(CELLARO_RENDER_PROGRAM, arguments);
    ProgramRun run;
    if (!program.waitForFinished(120000) || program.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = program.exitCode();
    run.errorLines = program.readAllStandardError().split('\n');
    if (!run.errorLines.isEmpty() && run.errorLines.last().isEmpty())
        run.errorLines.removeLast();
    return run;
}



} // namespace

class TestRenderHostile : public QObject {
    Q_OBJECT

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
        folder_.reset(new QTemporaryDir);
        QVERIFY(folder_->isValid());
    }

    void hostileList_data();
    void hostileList();
    void oddButReadableList_data();
    void oddButReadableList();
    void hostileStreams_data();
    void hostileStreams();

private:
    QDir folder() const { return QDir(folder_->path()); }

    std::unique_ptr<QTemporaryDir> folder_;
};

void TestRenderHostile::hostileList_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // must appear in the error line
    QTest::addColumn<bool>("earlierPicture"); // out.png exists before the run

    const auto overflow = [](int line) { return DescribeShowError({ ShowError::Overflow, line }); };
    const QString tooMany = DescribeShowError({ ShowError::TooManyEntries, 10001 });
    const auto row = [](const char* name, const QByteArray& list, const QStringList& options,
                        int exitCode, const QString& message, bool earlierPicture) {
        QTest::newRow(name) << list << options << exitCode << message << earlierPicture;
    };
    const QStringList none;
    const QByteArray tenThousandAndOne = QByteArray("x,1\n").repeated(10001);

    row("10001 accepted lines", tenThousandAndOne, none, cli::kExitBadInput, tooMany, false);
    row("10001 accepted lines over an earlier picture", tenThousandAndOne, none, cli::kExitBadInput, tooMany,
        true);
    row("count 40000 on line 3", "a,1\nno comma\nc,40000\n", none, cli::kExitBadInput, overflow(3), false);
    row("count 32767.5", "x,32767.5\n", none, cli::kExitBadInput, overflow(1), true);
    row("count 1e309", "x,1e309\n", none, cli::kExitBadInput, overflow(1), false);
    row("count -32769 let in by threshold -1e309", "x,-32769\n", { "--threshold", "-1e309" },
        cli::kExitBadInput, overflow(1), false);
    row("threshold nan reads 0", "x,40000\n", { "--threshold", "nan" }, cli::kExitBadInput, overflow(1),
        false);
    row("NUL bytes before an overflow on line 2", QByteArray("a\0,1\nb\0,40000\n", 14), none,
        cli::kExitBadInput, overflow(2), false);
    row("invalid UTF-8 and a lone surrogate before an overflow",
        "\xFF\xFE,1\n\xED\xA0\x80,99999\n", none, cli::kExitBadInput, overflow(2), false);
    row("byte-order mark then an overflow", "\xEF\xBB\xBFx,40000\n", none, cli::kExitBadInput, overflow(1),
        false);
    row("5 MB of accepted lines", QByteArray("x,1\n").repeated(kFiveMegabytes / 4), none,
        cli::kExitBadInput, tooMany, true);
    row("unknown scheme 8", "x,1\n", { "--scheme", "8" }, cli::kExitUsage,
        QStringLiteral("unknown scheme \"8\""), false);
    row("a flag given twice", "x,1\n", { "--dump", "--dump" }, cli::kExitUsage,
        QStringLiteral("--dump is given more than once"), false);
    row("UTF-16 refused for its count, the note left out", QByteArray("\xFF\xFE" "a\0,\0" "40000\n", 12), none,
        cli::kExitBadInput, overflow(1), false);
}

void TestRenderHostile::hostileList()
{
    QFETCH(QByteArray, list);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QFETCH(bool, earlierPicture);

    QVERIFY(WriteFile(folder().filePath("list.txt"), list));
    if (earlierPicture)
        QVERIFY(WriteFile(folder().filePath("out.png"), kOldPicture));
    const QStringList filesBefore = folder().entryList(QDir::Files | QDir::Hidden);

    const ProgramRun run = RunProgram(folder(), QStringList { "--list", "list.txt" } + options
                                                    + QStringList { "-o", "out.png" });

    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.errorLines.size(), 1);
    QVERIFY2(QString::fromUtf8(run.errorLines.first()).contains(message), run.errorLines.first().constData());
    // No new file, not even a temporary one, and an earlier picture intact.
    QCOMPARE(folder().entryList(QDir::Files | QDir::Hidden), filesBefore);
    if (earlierPicture)
        QCOMPARE(ReadFile(folder().filePath("out.png")), kOldPicture);
}

// Texts the parser reads without complaint: the picture is written, and a
// note on standard error says when nothing is drawn.
void TestRenderHostile::oddButReadableList_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("errorLines");

    const QStringList none;
    QTest::newRow("empty file") << QByteArray() << none << 1;
    // A note that the last line is not read, and one that nothing is drawn.
    QTest::newRow("no line feed") << QByteArray("a,40000") << none << 2;
    // With CR alone the two lines are one: "a,1b,40000" reads count 1.
    QTest::newRow("CR-only line ends") << QByteArray("a,1\rb,40000\r\n") << none << 0;
    QTest::newRow("10000 accepted lines") << QByteArray("x,1\n").repeated(10000) << none << 0;
    QTest::newRow("threshold 1e309 accepts nothing") << QByteArray("x,40000\n")
                                                     << QStringList { "--threshold", "1e309" } << 1;
    QTest::newRow("all counts negative") << QByteArray("a,-1\nb,-5\n")
                                         << QStringList { "--threshold", "-10" } << 1;
    QTest::newRow("counts summing to 0") << QByteArray("a,5\nb,-5\n")
                                         << QStringList { "--threshold", "-10" } << 0;
    QTest::newRow("10000-character label") << QByteArray(10000, 'L') + ",7\n" << none << 0;
    QTest::newRow("4-byte UTF-8 label") << QByteArray("\xF0\x9F\x98\x80,4\n") << none << 0;
    QTest::newRow("count -32768 in a palette scheme")
        << QByteArray("m,1\nc,-32768\n") << QStringList { "--threshold", "-1e9", "--scheme", "Ngj4" } << 0;
}

void TestRenderHostile::oddButReadableList()
{
    QFETCH(QByteArray, list);
    QFETCH(QStringList, options);
    QFETCH(int, errorLines);

    QVERIFY(WriteFile(folder().filePath("list.txt"), list));
    const ProgramRun run = RunProgram(folder(), QStringList { "--list", "list.txt" } + options
                                                    + QStringList { "-o", "out.png" });

    QCOMPARE(run.exitCode, cli::kExitDone);
    QCOMPARE(run.errorLines.size(), errorLines);
    QCOMPARE(folder().entryList(QDir::Files | QDir::Hidden), QStringList({ "list.txt", "out.png" }));
    QVERIFY(ReadFile(folder().filePath("out.png")).startsWith("\x89PNG"));
}

// Outputs and inputs that are not plain files, standard streams that are
// full or closed, and input without end: the program, run by a shell in a
// temporary folder ($R names it), exits as each row says with one line on
// standard error, and the row's check (a shell test run afterwards in the
// same folder) holds. Devices, FIFOs and links are made in that folder;
// nothing of the system's own is touched. $CAP caps the address space at
// 1 GiB ($LIMIT seconds is the time a row may take); the sanitizer build
// cannot run under such a cap, since AddressSanitizer reserves terabytes
// of address space for its shadow memory, and runs ten times slower.
void TestRenderHostile::hostileStreams_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // in the one error line; empty: no line
    QTest::addColumn<QString>("check");

    const QString isPng = QStringLiteral("head -c 4 %1 | grep -q PNG");
    // Outputs that must be written into, not replaced.
    QTest::newRow("-o a symbolic link: the link stays, its target is replaced")
        << "echo old >target; ln -s target link; \"$R\" -o link --format png" << cli::kExitDone << ""
        << "test -L link && " + isPng.arg("target");
    QTest::newRow("-o a FIFO: written into, still a FIFO")
        << "mkfifo pipe; cat pipe >got & \"$R\" -o pipe --format png; status=$?; wait; exit $status"
        << cli::kExitDone << "" << "test -p pipe && " + isPng.arg("got");
    QTest::newRow("-o a character device (a copy of /dev/null): still a device")
        << "mknod null c 1 3 2>/dev/null || exit 77; \"$R\" -o null --format png" << cli::kExitDone << ""
        << "test -c null";
    QTest::newRow("-o /dev/fd/5 5>> log: appended, log kept")
        << "echo first >log; \"$R\" -o /dev/fd/5 --format png 5>>log" << cli::kExitDone << ""
        << "head -n1 log | grep -qx first && head -c 10 log | tail -c 4 | grep -q PNG";
    QTest::newRow("-o /dev/fd/5 not handed over: refused")
        << "\"$R\" -o /dev/fd/5 --format png" << cli::kExitBadInput << "Bad file descriptor" << "true";
    QTest::newRow("-o a name that is not UTF-8: refused, nothing written")
        << "\"$R\" -o \"$(printf 'x\\377.png')\"" << cli::kExitUsage << "argument 2 is not valid UTF-8"
        << "test -z \"$(ls)\"";
    QTest::newRow("file size limit: reported, the old file kept, no temporary file")
        << "echo old >out.png; ulimit -f 1; \"$R\" -o out.png" << cli::kExitBadInput << "File too large"
        << "test \"$(cat out.png)\" = old && test \"$(ls -A)\" = out.png";
    QTest::newRow("-o /dev/stdout >> log: appended, log kept")
        << "echo first >log; \"$R\" -o /dev/stdout --format png >>log" << cli::kExitDone << ""
        << "head -n1 log | grep -qx first && head -c 10 log | tail -c 4 | grep -q PNG";
    // Links another user may have planted, files and folders the user may
    // not write: as_nobody runs a command as an unprivileged user,
    // as_other as a second one (skipped where the test cannot switch).
    QTest::newRow("-o a link of another user in a sticky world-writable folder: refused, target kept")
        << "chmod 1777 .; echo old >target; as_other ln -s \"$PWD/target\" link; \"$R\" -o link --format png"
        << cli::kExitBadInput << "a symbolic link of another user in a sticky world-writable folder is not followed"
        << "test \"$(cat target)\" = old && test -L link";
    QTest::newRow("-o one's own link in a sticky world-writable folder, unprivileged: followed")
        << "chmod 1777 .; as_nobody sh -c 'echo old >target; ln -s target link'; as_nobody \"$R\" -o link --format png"
        << cli::kExitDone << "" << "test -L link && " + isPng.arg("target");
    QTest::newRow("-o a read-only file of one's own, unprivileged: refused, kept")
        << "chmod 777 .; as_nobody sh -c 'echo old >out.png; chmod 444 out.png'; as_nobody \"$R\" -o out.png"
        << cli::kExitBadInput << "cannot write \"out.png\": Permission denied"
        << "test \"$(cat out.png)\" = old && test \"$(ls -A)\" = out.png";
    QTest::newRow("-o a writable file in a read-only folder, unprivileged: the folder is named")
        << "chmod 777 .; mkdir ro; echo old >ro/out.png; chmod 666 ro/out.png; chmod 555 ro; "
           "as_nobody \"$R\" -o ro/out.png; status=$?; chmod 755 ro; exit $status"
        << cli::kExitBadInput << "cannot write \"ro/out.png\": its folder \"ro\" cannot be written: Permission denied"
        << "test \"$(cat ro/out.png)\" = old && test \"$(ls -A ro)\" = out.png";
    QTest::newRow("-o a name of 255 bytes: its temporary name fits too")
        << "\"$R\" -o \"$(printf 'a%.0s' $(seq 251)).png\"" << cli::kExitDone << ""
        << isPng.arg("\"$(printf 'a%.0s' $(seq 251)).png\"") + " && test \"$(ls -A | wc -l)\" = 1";
    // Texts a terminal would act on are written out, in the dump and in
    // every message (codes 0 to 13, BEL among them, never enter a label).
    QTest::newRow("--dump of labels with ESC, C1 and bidi controls: written out")
        << "printf 'a\\033]0;T\\007\\033[31m,5\\nb\\302\\233\\062J,3\\nc\\342\\200\\256,2\\n' >list; "
           "\"$R\" --list list --dump >dump"
        << cli::kExitDone << ""
        << "grep -qxF 'Entry 1 5 \"a\\x1b]0;T\\x1b[31m\"' dump && grep -qxF 'Entry 2 3 \"b\\x9b2J\"' dump "
           "&& grep -qxF 'Entry 3 2 \"c\\u202e\"' dump && ! LC_ALL=C grep -q \"$(printf '[\\001-\\010\\013-\\037\\177]')\" dump";
    QTest::newRow("a list named with ESC and U+202E: written out in the message")
        << "\"$R\" --list \"$(printf 'x\\033[2J\\342\\200\\256')\" -o out.png" << cli::kExitBadInput
        << "cannot read \"x\\x1b[2J\\u202e\": No such file or directory" << "test ! -e out.png";
    // Odd input that is read all the same gets one line saying how.
    QTest::newRow("a list in UTF-16LE: read as UTF-8, with a note naming its encoding")
        << "printf '\\377\\376a\\000,\\0005\\000\\n\\000' >list; \"$R\" --list list -o out.png" << cli::kExitDone
        << "note: \"list\" is in UTF-16LE (it starts with that byte-order mark), but a list is read as UTF-8"
        << isPng.arg("out.png");
    QTest::newRow("a last line without a line feed: a note naming it")
        << "printf 'a,5\\nb,7' >list; \"$R\" --list list -o out.png" << cli::kExitDone
        << "note: line 2 of \"list\" has no line feed at its end and is not read, as in the window"
        << isPng.arg("out.png");
    QTest::newRow("--threshold 1,000: a note that it reads as 1")
        << "\"$R\" --threshold 1,000 -o out.png" << cli::kExitDone
        << "note: the threshold \"1,000\" is not a plain number; it reads as 1" << isPng.arg("out.png");
    QTest::newRow("--threshold abc: a note that it reads as 0")
        << "\"$R\" --threshold abc -o out.png" << cli::kExitDone
        << "note: the threshold \"abc\" is not a plain number; it reads as 0" << isPng.arg("out.png");
    // Shares follow the locale's separators, never its digits.
    QTest::newRow("LC_ALL=ar_EG.UTF-8: an Arabic decimal separator, digits 0-9")
        << "env LC_ALL=ar_EG.UTF-8 \"$R\" --dump >dump" << cli::kExitDone << ""
        << "grep -qxF \"Print 1830 2190 #FF8000 \\\"28$(printf '\\331\\253')86%\\\"\" dump "
           "&& ! grep -q \"$(printf '\\331[\\240-\\251]')\" dump";
    // Standard output full or closed.
    QTest::newRow("--dump to a full standard output")
        << "\"$R\" --dump >/dev/full" << cli::kExitBadInput << "standard output" << "true";
    QTest::newRow("PNG of 10000 entries to a full standard output")
        << "yes e,7 | head -n 10000 >list; \"$R\" --list list -o - --format png >/dev/full"
        << cli::kExitBadInput << "standard output" << "true";
    QTest::newRow("--dump with standard output closed")
        << "\"$R\" --dump >&-" << cli::kExitBadInput << "standard output" << "true";
    QTest::newRow("--version with standard output closed")
        << "\"$R\" --version >&-" << cli::kExitBadInput << "standard output" << "true";
    QTest::newRow("--list - with standard input closed")
        << "\"$R\" --list - -o out.png <&-" << cli::kExitBadInput << "standard input" << "test ! -e out.png";
    // Input without end, with memory capped at 1 GiB of address space.
    QTest::newRow("endless accepted lines stop at the 10001st")
        << "ulimit -v $CAP; yes a,1 | \"$R\" --list - -o out.png" << cli::kExitBadInput << "line 10001"
        << "test ! -e out.png";
    QTest::newRow("endless NUL bytes stop at the size limit")
        << "ulimit -v $CAP; \"$R\" --list /dev/zero -o out.png" << cli::kExitBadInput << "larger than"
        << "test ! -e out.png";
    // Labels far longer than a picture shows: laid out only as far as they
    // show (1 s budget, three times that asserted).
    QTest::newRow("36 labels of 1 MB")
        << "for i in $(seq 36); do printf '%01000000d,%d\\n' 0 $i; done >list; "
           "timeout $LIMIT \"$R\" --list list -o out.png && timeout $LIMIT \"$R\" --list list -o out.svg"
        << cli::kExitDone << "" << isPng.arg("out.png") + " && grep -q '<text' out.svg";
    QTest::newRow("an endless line stops at the size limit")
        << "ulimit -v $CAP; yes abcdefgh | tr -d '\\n' | \"$R\" --list - -o out.png" << cli::kExitBadInput
        << "larger than" << "test ! -e out.png";
}

void TestRenderHostile::hostileStreams()
{
    QFETCH(QString, script);
    QFETCH(QString, message);
    QFETCH(QString, check);

    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("R", CELLARO_RENDER_PROGRAM);
#ifdef CELLARO_SANITIZED_BUILD
    environment.insert("CAP", "unlimited");
    environment.insert("LIMIT", "30");
#else
    environment.insert("CAP", "1048576"); // KiB
    environment.insert("LIMIT", "3");
#endif
    environment.remove("QT_QPA_PLATFORM");
    shell.setProcessEnvironment(environment);
    shell.setWorkingDirectory(folder().path());
    shell.start("bash", { "-c", kOtherUsers + script });
    QVERIFY(shell.waitForFinished(120000));
    QCOMPARE(shell.exitStatus(), QProcess::NormalExit);
    if (shell.exitCode() == 77)
        QSKIP("not permitted here: mknod, or running a command as another user");
    QTEST(shell.exitCode(), "exitCode");
    QList<QByteArray> errorLines = shell.readAllStandardError().split('\n');
    errorLines.removeAll(QByteArray());
    QCOMPARE(errorLines.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(QString::fromUtf8(errorLines.first()).contains(message), errorLines.first().constData());

    QProcess checker;
    checker.setWorkingDirectory(folder().path());
    checker.start("bash", { "-c", check });
    QVERIFY(checker.waitForFinished(30000));
    QVERIFY2(checker.exitCode() == 0, qPrintable(check));
}

QTEST_GUILESS_MAIN(TestRenderHostile)
#include "tst_render_hostile.moc"
