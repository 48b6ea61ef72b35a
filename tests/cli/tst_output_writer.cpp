// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The output writer: which targets are replaced through a temporary file and
// which are written straight into, what is left when writing fails, and the
// real program with its standard descriptors closed, full or appending.

#include "support/files.h"
#include "support/other_users.h"
#include "cli/output_writer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace cellaro::cli;
using namespace cellaro::testing;

namespace {

const QByteArray kOld("what the target held before\n");

// Larger than the writer's buffer, so it is written in several calls.
QByteArray Payload()
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < 200000; ++i)
        bytes += "line " + QByteArray::number(i) + "\n";
    return bytes;
}



// Every path under the folder, hidden ones included, relative to it.
QStringList Contents(const QString& folder)
{
    QStringList paths;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.append(QDir(folder).relativeFilePath(it.next()));
    paths.sort();
    return paths;
}

// A character device like the system's own (1,3 is null, 1,7 is full),
// made under the test's folder so nothing of the system is touched.
QString MakeDevice(const QString& path, unsigned minor)
{
    if (mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, minor)) == 0)
        return {};
    return QString::fromLocal8Bit(strerror(errno));
}

bool Symlink(const QString& target, const QString& link)
{
    return symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

mode_t CurrentUmask()
{
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

mode_t TypeOf(const QString& path)
{
    struct stat status;
    return lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

struct Written {
    bool ok = false;
    QString error;
};

Written WriteThrough(const QString& path, const QByteArray& bytes, StandardOutput standardOutput = { -1, false })
{
    OutputWriter writer(path, standardOutput);
    Written written;
    written.ok = writer.write(std::string_view(bytes.constData(), std::size_t(bytes.size()))) && writer.finish();
    written.error = writer.error();
    return written;
}

} // namespace

class TestOutputWriter : public QObject {
    Q_OBJECT

    std::unique_ptr<CurrentTemporaryFolder> folder_;

    QString at(const QString& name) const { return folder_->filePath(name); }

private slots:
    void init()
    {
        folder_ = std::make_unique<CurrentTemporaryFolder>();
        QVERIFY(folder_->isValid());
        QVERIFY(QDir().mkdir("real"));
    }

    void cleanup() { folder_.reset(); }

    // Regular files, new or existing, reached directly or through links.
    void replaced_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("target"); // where the bytes must end up
        QTest::addColumn<QStringList>("links"); // "link=target", made first, kept after
        QTest::addColumn<bool>("targetExists");

        QTest::newRow("new file") << "out.txt" << "out.txt" << QStringList {} << false;
        QTest::newRow("existing file") << "out.txt" << "out.txt" << QStringList {} << true;
        QTest::newRow("file in another folder") << "real/out.txt" << "real/out.txt" << QStringList {} << true;
        QTest::newRow("link") << "link" << "real/out.txt" << QStringList { "link=real/out.txt" } << true;
        QTest::newRow("absolute link") << "link" << "real/out.txt" << QStringList { "link=@/real/out.txt" } << true;
        // The second link is relative to its own folder, not to the first's.
        QTest::newRow("chain of two links")
            << "first" << "real/out.txt" << QStringList { "first=real/second", "real/second=out.txt" } << true;
        QTest::newRow("dangling link") << "link" << "real/made.txt" << QStringList { "link=real/made.txt" } << false;
    }

    void replaced()
    {
        QFETCH(QString, path);
        QFETCH(QString, target);
        QFETCH(QStringList, links);
        QFETCH(bool, targetExists);
        for (const QString& link : links) {
            QString linkTarget = link.section(u'=', 1);
            linkTarget.replace(u'@', folder_->path());
            QVERIFY(Symlink(linkTarget, link.section(u'=', 0, 0)));
        }
        if (targetExists) {
            QVERIFY(WriteFile(target, kOld));
            QCOMPARE(chmod(QFile::encodeName(target).constData(), 0640), 0);
        }
        const QStringList before = Contents(folder_->path());

        const Written written = WriteThrough(path, Payload());

        QVERIFY2(written.ok, qPrintable(written.error));
        QCOMPARE(ReadFile(target), Payload());
        QCOMPARE(TypeOf(target), mode_t(S_IFREG));
        for (const QString& link : links)
            QVERIFY(QFileInfo(link.section(u'=', 0, 0)).isSymLink());
        QStringList expected = before;
        if (!targetExists)
            expected.append(target);
        expected.sort();
        QCOMPARE(Contents(folder_->path()), expected);
        struct stat status;
        QCOMPARE(stat(QFile::encodeName(target).constData(), &status), 0);
        QCOMPARE(status.st_mode & 07777, targetExists ? mode_t(0640) : mode_t(0666 & ~CurrentUmask()));
    }

    // Targets that are not regular files keep their kind and get the bytes.
    void straightInto_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO with a reader") << "fifo";
        QTest::newRow("copy of /dev/null") << "device";
        QTest::newRow("/proc/self/fd/N of an appending file") << "proc";
        QTest::newRow("/dev/fd/N of an appending file") << "devfd";
        QTest::newRow("/dev/stdout, standard output appending") << "stdout";
        QTest::newRow("link to /dev/stdout") << "stdoutLink";
    }

    void straightInto()
    {
        QFETCH(QString, kind);
        const QByteArray payload = Payload();
        if (kind == "fifo") {
            QCOMPARE(mkfifo("fifo", 0600), 0);
            QByteArray received;
            std::thread reader([&] { received = ReadFile(at("fifo")); });
            const Written written = WriteThrough("fifo", payload);
            reader.join();
            QVERIFY2(written.ok, qPrintable(written.error));
            QCOMPARE(received, payload);
            QCOMPARE(TypeOf("fifo"), mode_t(S_IFIFO));
            return;
        }
        if (kind == "device") {
            if (const QString refused = MakeDevice("null", 3); !refused.isEmpty())
                QSKIP(qPrintable("mknod is not permitted here (" + refused + "); no device to write to"));
            const Written written = WriteThrough("null", payload);
            QVERIFY2(written.ok, qPrintable(written.error));
            QCOMPARE(TypeOf("null"), mode_t(S_IFCHR));
            return;
        }
        // The rest write into an open descriptor of ours that appends to
        // "log", one such as a shell hands over (not close-on-exec).
        QVERIFY(WriteFile("log", kOld));
        const int descriptor = open("log", O_WRONLY | O_APPEND);
        QVERIFY(descriptor >= 0);
        Written written;
        if (kind == "proc")
            written = WriteThrough(QStringLiteral("/proc/self/fd/%1").arg(descriptor), payload);
        else if (kind == "devfd")
            written = WriteThrough(QStringLiteral("/dev/fd/%1").arg(descriptor), payload);
        else if (kind == "stdout")
            written = WriteThrough("/dev/stdout", payload, { descriptor, false });
        else {
            QVERIFY(Symlink("/dev/stdout", "link"));
            written = WriteThrough("link", payload, { descriptor, false });
        }
        QVERIFY2(written.ok, qPrintable(written.error));
        QCOMPARE(ReadFile("log"), kOld + payload);
        QStringList expected { "log", "real" };
        if (kind == "stdoutLink")
            expected.prepend("link");
        QCOMPARE(Contents(folder_->path()), expected);
        if (kind == "proc" || kind == "devfd") {
            QVERIFY(fcntl(descriptor, F_GETFD) != -1); // a copy was closed, not ours
            close(descriptor);
        }
    }

    void failure_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<QString>("error");

        QTest::newRow("copy of /dev/full") << "full" << "full"
                                           << "cannot write \"full\": No space left on device";
        QTest::newRow("a folder") << "real" << "" << "cannot write \"real\": Is a directory";
        QTest::newRow("missing folder") << "missing/out.txt" << ""
                                        << "cannot write \"missing/out.txt\": No such file or directory";
        QTest::newRow("a line feed in the name stays on one line")
            << "missing\nfolder/out.txt" << ""
            << "cannot write \"missing\\x0afolder/out.txt\": No such file or directory";
        QTest::newRow("link loop") << "a" << "loop"
                                   << "cannot write \"a\": Too many levels of symbolic links";
        QTest::newRow("closed standard output") << "-" << "closed"
                                                << "cannot write standard output: Bad file descriptor";
        // The file size limit fails a write part way, as a full disk does.
        QTest::newRow("file size limit reached") << "out.txt" << "limit"
                                                 << "cannot write \"out.txt\": File too large";
        QTest::newRow("file size limit through a link") << "link" << "limitLink"
                                                        << "cannot write \"link\": File too large";
        // A descriptor the tool opened itself, as the toolkit opens its own.
        QTest::newRow("/dev/fd/N of a close-on-exec descriptor") << "/dev/fd/%1" << "own"
                                                                 << "cannot write \"/dev/fd/%1\": Bad file descriptor";
    }

    void failure()
    {
        QFETCH(QString, path);
        QFETCH(QString, prepare);
        QVERIFY(WriteFile("out.txt", kOld));
        StandardOutput standardOutput { -1, false };
        if (prepare == "full") {
            if (const QString refused = MakeDevice("full", 7); !refused.isEmpty())
                QSKIP(qPrintable("mknod is not permitted here (" + refused + "); no full device"));
        } else if (prepare == "loop") {
            QVERIFY(Symlink("b", "a") && Symlink("a", "b"));
        } else if (prepare == "closed") {
            standardOutput.closed = true;
        } else if (prepare == "limitLink") {
            QVERIFY(Symlink("out.txt", "link"));
        }
        QFETCH(QString, error);
        int own = -1;
        if (prepare == "own") {
            own = open("out.txt", O_WRONLY | O_APPEND | O_CLOEXEC);
            QVERIFY(own >= 0);
            path = path.arg(own);
            error = error.arg(own);
        }
        const QStringList before = Contents(folder_->path());

        rlimit previous {};
        const bool limited = prepare.startsWith("limit");
        if (limited) {
            std::signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
            rlimit small = previous;
            small.rlim_cur = 100000;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        }
        const Written written = WriteThrough(path, Payload(), standardOutput);
        if (limited)
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &previous), 0);

        if (own >= 0)
            close(own);
        QVERIFY(!written.ok);
        QCOMPARE(written.error, error);
        QCOMPARE(ReadFile("out.txt"), kOld);
        QCOMPARE(Contents(folder_->path()), before);
    }

    // A signal that ends the tool while the temporary file is being
    // written removes it, and the process still dies of that signal; one
    // the tool was started with ignored stays ignored.
    void signalWhileWriting_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("ignored");
        QTest::newRow("SIGINT") << int(SIGINT) << false;
        QTest::newRow("SIGTERM") << int(SIGTERM) << false;
        QTest::newRow("SIGHUP") << int(SIGHUP) << false;
        QTest::newRow("SIGHUP ignored, as under nohup") << int(SIGHUP) << true;
    }

    void signalWhileWriting()
    {
        QFETCH(int, signal);
        QFETCH(bool, ignored);
        QVERIFY(WriteFile("out.txt", kOld));
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (ignored)
                std::signal(signal, SIG_IGN);
            OutputWriter writer("out.txt", { -1, false });
            const bool wrote = writer.write("the new bytes\n");
            raise(signal);
            _exit(wrote && writer.finish() ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        if (ignored) {
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            QCOMPARE(ReadFile("out.txt"), QByteArray("the new bytes\n"));
        } else {
            QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == signal, qPrintable(QString::number(status)));
            QCOMPARE(ReadFile("out.txt"), kOld);
        }
        QCOMPARE(Contents(folder_->path()), QStringList({ "out.txt", "real" }));
    }

    // The real program, its descriptors set up by a shell.
    void program_data()
    {
        QTest::addColumn<QString>("command"); // $P is the program
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");   // the one line on stderr; empty: none
        QTest::addColumn<QString>("file");    // checked when not empty
        QTest::addColumn<QStringList>("firstLines");
        QTest::addColumn<int>("lines");

        const QStringList counted { "a,0", "b,0" };
        QTest::newRow("closed standard output") << "\"$P\" text.txt >&-" << 1
            << "cellaro-count: cannot write standard output: Bad file descriptor" << "" << QStringList {} << 0;
        QTest::newRow("version to closed standard output") << "\"$P\" --version >&-" << 1
            << "cellaro-count: cannot write standard output: Bad file descriptor" << "" << QStringList {} << 0;
        QTest::newRow("full standard output") << "\"$P\" text.txt > full" << 1
            << "cellaro-count: cannot write standard output: No space left on device" << "" << QStringList {} << 0;
        QTest::newRow("-o a full device") << "\"$P\" text.txt -o full" << 1
            << "cellaro-count: cannot write \"full\": No space left on device" << "" << QStringList {} << 0;
        QTest::newRow("-o /dev/stdout >> log appends") << "echo before > log; \"$P\" text.txt -o /dev/stdout >> log"
            << 0 << "" << "log" << QStringList { "before", "a,0", "b,0" } << 37;
        QTest::newRow("-o - >> log appends") << "echo before > log; \"$P\" text.txt -o - >> log"
            << 0 << "" << "log" << QStringList { "before", "a,0", "b,0" } << 37;
        QTest::newRow("-o /dev/fd/5 5>> log appends") << "echo before > log; \"$P\" text.txt -o /dev/fd/5 5>> log"
            << 0 << "" << "log" << QStringList { "before", "a,0", "b,0" } << 37;
        QTest::newRow("-o /dev/fd/5 not handed over") << "\"$P\" text.txt -o /dev/fd/5" << 1
            << "cellaro-count: cannot write \"/dev/fd/5\": Bad file descriptor" << "" << QStringList {} << 0;
        QTest::newRow("a file name that is not UTF-8") << "\"$P\" \"$(printf 'x\\377.txt')\"" << 2
            << "cellaro-count: argument 1 is not valid UTF-8" << "" << QStringList {} << 0;
        // A file size limit fails a write, and the temporary file goes.
        QTest::newRow("file size limit") << "ulimit -f 1; \"$P\" --pairs big.txt -o out.txt" << 1
            << "cellaro-count: cannot write \"out.txt\": File too large" << "" << QStringList {} << 0;
        QTest::newRow("- with standard input closed") << "\"$P\" - <&-" << 1
            << "cellaro-count: cannot read standard input: Bad file descriptor" << "" << QStringList {} << 0;
        QTest::newRow("no file, standard input closed") << "\"$P\" <&-" << 1
            << "cellaro-count: cannot read standard input: Bad file descriptor" << "" << QStringList {} << 0;
        QTest::newRow("standard error closed") << "\"$P\" text.txt -o out.txt 2>&-" << 0 << "" << "out.txt"
            << counted << 36;
        QTest::newRow("all three closed, output to a file") << "\"$P\" text.txt -o out.txt <&- >&- 2>&-" << 0
            << "" << "out.txt" << counted << 36;
        // What the writer refuses to replace, run as an unprivileged user
        // (as_nobody) or with a link another user made (as_other).
        QTest::newRow("a link of another user in a sticky world-writable folder")
            << "chmod 1777 .; echo old >target.txt; as_other ln -s target.txt link; \"$P\" text.txt -o link" << 1
            << "cellaro-count: cannot write \"link\": a symbolic link of another user in a sticky world-writable "
               "folder is not followed (\"link\")"
            << "target.txt" << QStringList { "old" } << 1;
        QTest::newRow("a link of another user, reached through one's own link")
            << "chmod 1777 .; echo old >target.txt; as_other ln -s target.txt planted; ln -s planted mine; "
               "\"$P\" text.txt -o mine" << 1
            << "cellaro-count: cannot write \"mine\": a symbolic link of another user in a sticky world-writable "
               "folder is not followed (\"./planted\")"
            << "target.txt" << QStringList { "old" } << 1;
        QTest::newRow("a read-only file of one's own, unprivileged")
            << "chmod 777 .; as_nobody sh -c 'echo old >ro.txt; chmod 444 ro.txt; \"$P\" text.txt -o ro.txt'" << 1
            << "cellaro-count: cannot write \"ro.txt\": Permission denied" << "ro.txt" << QStringList { "old" } << 1;
        QTest::newRow("a writable file in a read-only folder, unprivileged")
            << "chmod 777 .; mkdir ro; echo old >ro/out.txt; chmod 666 ro/out.txt; chmod 555 ro; "
               "as_nobody \"$P\" text.txt -o ro/out.txt; status=$?; chmod 755 ro; exit $status" << 1
            << "cellaro-count: cannot write \"ro/out.txt\": its folder \"ro\" cannot be written: Permission denied"
            << "ro/out.txt" << QStringList { "old" } << 1;
        const QString longest(255, u'n');
        QTest::newRow("a name of 255 bytes") << "\"$P\" text.txt -o " + longest << 0 << "" << longest << counted << 36;
    }

    void program()
    {
        QFETCH(QString, command);
        QFETCH(QString, error);
        QFETCH(QString, file);
        QFETCH(QStringList, firstLines);
        QFETCH(int, lines);
        QVERIFY(WriteFile("text.txt", "shtëpi\n"));
        QVERIFY(WriteFile("big.txt", QByteArray("shtëpi ").repeated(1000)));
        if (command.contains("full")) {
            if (const QString refused = MakeDevice("full", 7); !refused.isEmpty())
                QSKIP(qPrintable("mknod is not permitted here (" + refused + "); no full device"));
        }
        QProcess shell;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("P", CELLARO_COUNT_PROGRAM);
        shell.setProcessEnvironment(environment);
        shell.setWorkingDirectory(folder_->path());
        shell.start("bash", { "-c", kOtherUsers + command });
        QVERIFY(shell.waitForFinished(30000));
        QCOMPARE(shell.exitStatus(), QProcess::NormalExit);
        if (shell.exitCode() == 77)
            QSKIP("cannot run a command as another user here");
        QTEST(shell.exitCode(), "exitCode");
        const QString errors = QString::fromUtf8(shell.readAllStandardError());
        QCOMPARE(errors, error.isEmpty() ? QString() : error + u'\n');
        if (!file.isEmpty()) {
            const QStringList written = QString::fromUtf8(ReadFile(file)).split(u'\n', Qt::SkipEmptyParts);
            QCOMPARE(written.size(), lines);
            QCOMPARE(written.mid(0, firstLines.size()), firstLines);
        }
        QCOMPARE(QDir().entryList({ ".*.??????" }, QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_MAIN(TestOutputWriter)
#include "tst_output_writer.moc"
