// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Bounded chunked reading: the chunks put back together are the input, the
// size limit and the consumer's decision stop it, errors name the input.

#include "cli/chunk_reader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace cellaro::cli;

namespace {

QByteArray Pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char('a' + (i * 7) % 26);
    return bytes;
}

struct Reading {
    std::optional<QString> error;
    QByteArray joined;
    QList<qsizetype> chunkSizes;
};

Reading Read(const QString& path, const StandardInput& input, const ReadLimits& limits,
             int decideAfterChunks = -1)
{
    Reading reading;
    reading.error = ReadInChunks(path, input, limits, [&](std::string_view chunk) {
        reading.joined.append(chunk.data(), qsizetype(chunk.size()));
        reading.chunkSizes.append(qsizetype(chunk.size()));
        return reading.chunkSizes.size() == decideAfterChunks ? ChunkVerdict::Decided : ChunkVerdict::Continue;
    });
    return reading;
}

} // namespace

class TestChunkReader : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    QString writeInput(const QByteArray& bytes)
    {
        QFile file(folder_.filePath("input.txt"));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return file.fileName();
    }

private slots:
    void chunks_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("chunkBytes");
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<int>("decideAfter"); // -1: read to the end
        QTest::addColumn<int>("expectedBytes");
        QTest::addColumn<QString>("error"); // fragment; empty: none

        QTest::newRow("empty file") << 0 << 16 << qint64(0) << -1 << 0 << "";
        QTest::newRow("one byte less than a chunk") << 15 << 16 << qint64(0) << -1 << 15 << "";
        QTest::newRow("exactly three chunks") << 48 << 16 << qint64(0) << -1 << 48 << "";
        QTest::newRow("64 KiB chunks of 1 MB") << 1000000 << 65536 << qint64(0) << -1 << 1000000 << "";
        QTest::newRow("at the limit") << 100 << 16 << qint64(100) << -1 << 100 << "";
        QTest::newRow("one byte over the limit") << 101 << 16 << qint64(100) << -1 << 96
                                                 << "cannot read \"input.txt\": larger than 100 bytes";
        QTest::newRow("decided after the second chunk") << 100 << 16 << qint64(0) << 2 << 32 << "";
        QTest::newRow("decided on the last chunk") << 40 << 16 << qint64(0) << 3 << 40 << "";
    }

    void chunks()
    {
        QFETCH(int, size);
        QFETCH(int, chunkBytes);
        QFETCH(qint64, maxBytes);
        QFETCH(int, decideAfter);
        QFETCH(int, expectedBytes);
        QFETCH(QString, error);
        const QByteArray input = Pattern(size);
        const QString path = writeInput(input);
        QVERIFY(!path.isEmpty());

        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        const Reading reading = Read("input.txt", {}, ReadLimits { maxBytes, std::size_t(chunkBytes) }, decideAfter);
        QDir::setCurrent(previous);

        QCOMPARE(reading.error.value_or(QString()), error);
        QCOMPARE(reading.joined, input.left(expectedBytes));
        for (qsizetype chunk : reading.chunkSizes)
            QVERIFY(chunk > 0 && chunk <= chunkBytes);
    }

    void unreadable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("inputClosed");
        QTest::addColumn<QString>("error");

        QTest::newRow("missing file") << "none.txt" << false
                                      << "cannot read \"none.txt\": No such file or directory";
        QTest::newRow("a folder") << "." << false << "cannot read \".\": Is a directory";
        QTest::newRow("closed standard input") << "-" << true
                                               << "cannot read standard input: Bad file descriptor";
    }

    void unreadable()
    {
        QFETCH(QString, path);
        QFETCH(bool, inputClosed);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        const Reading reading = Read(path, StandardInput { -1, inputClosed }, {});
        QDir::setCurrent(previous);
        QTEST(reading.error.value_or(QString()), "error");
        QCOMPARE(reading.joined, QByteArray());
    }

    // "-" reads the descriptor given as standard input, and leaves it open.
    void standardInput()
    {
        const QByteArray input = Pattern(70000);
        const QString path = writeInput(input);
        const int descriptor = open(QFile::encodeName(path).constData(), O_RDONLY);
        QVERIFY(descriptor >= 0);
        const Reading reading = Read("-", StandardInput { descriptor, false }, {});
        QCOMPARE(reading.error, std::nullopt);
        QCOMPARE(reading.joined, input);
        QVERIFY(fcntl(descriptor, F_GETFD) != -1);
        close(descriptor);
    }
};

QTEST_MAIN(TestChunkReader)
#include "tst_chunk_reader.moc"
