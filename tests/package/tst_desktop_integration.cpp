// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the package adds around the programs, held against the programs
// themselves: each program's manual page names the options and the exit
// statuses its --help names, every --help keeps the one layout,
// and the icon theme's PNGs show the window's own icon at every size.

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cstdlib>

#include "window/cellaro.xpm"

namespace {

// Option names as a reader sees them: "-o", "--list", "--schemes-before";
// not the hyphens inside words ("cellaro-render", "UTF-8") nor a lone "-".
QStringList OptionsIn(const QString& text)
{
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[a-z][a-z0-9-]*"));
    QSet<QString> options;
    for (const QRegularExpressionMatch& match : option.globalMatch(text))
        options.insert(match.captured());
    QStringList sorted(options.begin(), options.end());
    sorted.sort();
    return sorted;
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The OPTIONS section of a manual page as plain text: "\-" is a hyphen and
// font changes ("\fB", "\fR") are dropped.
QString OptionsSection(const QString& page)
{
    const qsizetype start = page.indexOf(QStringLiteral("\n.SH OPTIONS\n"));
    if (start < 0)
        return {};
    const qsizetype end = page.indexOf(QStringLiteral("\n.SH "), start + 1);
    static const QRegularExpression fontChange(QStringLiteral("\\\\f[BIRP]"));
    return page.mid(start, end < 0 ? -1 : end - start)
        .replace(QStringLiteral("\\-"), QStringLiteral("-"))
        .remove(fontChange);
}

// The statuses a section lists: "  0  Done." lines of a --help's "Exit
// status:" part, ".TP\n.B 0" items of a manual page's EXIT STATUS.
QStringList StatusesIn(const QString& text, const QString& pattern)
{
    QStringList statuses;
    for (const QRegularExpressionMatch& match : QRegularExpression(pattern).globalMatch(text))
        statuses.append(match.captured(1));
    return statuses;
}

// Empty when the help keeps the layout every tool shares: lines of at most
// 79 characters, an options part whose descriptions all start in one
// column, and an exit-status part.
QString HelpLayoutProblem(const QString& help)
{
    const QStringList lines = help.split(u'\n');
    for (const QString& line : lines)
        if (line.size() > 79)
            return QStringLiteral("a line of %1 characters: %2").arg(line.size()).arg(line);
    const qsizetype options = lines.indexOf(QStringLiteral("Options:"));
    const qsizetype statuses = lines.indexOf(QStringLiteral("Exit status:"));
    if (options < 0 || statuses < options)
        return QStringLiteral("no \"Options:\" part followed by an \"Exit status:\" part");
    // An option line's description follows its names after two blanks or
    // more; a line of names alone has none. The other lines continue one.
    QSet<qsizetype> columns;
    for (qsizetype i = options + 1; i < statuses && !lines[i].isEmpty(); ++i) {
        const QString& line = lines[i];
        const qsizetype indent = line.size() - line.trimmed().size();
        if (!line.trimmed().startsWith(u'-')) {
            columns.insert(indent);
            continue;
        }
        const qsizetype gap = line.indexOf(QStringLiteral("  "), indent);
        if (gap >= 0)
            columns.insert(line.indexOf(QRegularExpression(QStringLiteral("\\S")), gap));
    }
    if (columns.size() != 1)
        return QStringLiteral("option descriptions start in %1 columns").arg(columns.size());
    return {};
}

// The share of each pixel of the 32 x 32 icon that falls into each pixel of
// a `size` x `size` picture, summed in premultiplied ARGB: what an exact
// rendering of the same design at that size shows.
QImage AreaAveraged(const QImage& icon, int size)
{
    const QImage source = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const double scale = double(source.width()) / size;
    QImage result(size, size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            double sum[4] = {};
            for (int sy = int(y * scale); sy < std::min(source.height(), int(std::ceil((y + 1) * scale))); ++sy)
                for (int sx = int(x * scale); sx < std::min(source.width(), int(std::ceil((x + 1) * scale))); ++sx) {
                    const double overlapX = std::min<double>(sx + 1, (x + 1) * scale) - std::max<double>(sx, x * scale);
                    const double overlapY = std::min<double>(sy + 1, (y + 1) * scale) - std::max<double>(sy, y * scale);
                    const double weight = overlapX * overlapY / (scale * scale);
                    const QRgb pixel = source.pixel(sx, sy);
                    sum[0] += weight * qAlpha(pixel);
                    sum[1] += weight * qRed(pixel);
                    sum[2] += weight * qGreen(pixel);
                    sum[3] += weight * qBlue(pixel);
                }
            result.setPixel(x, y, qRgba(qRound(sum[1]), qRound(sum[2]), qRound(sum[3]), qRound(sum[0])));
        }
    return result;
}

// The largest difference of any channel of any pixel; -1 for pictures of
// different sizes.
int LargestDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({ largest, std::abs(qAlpha(p) - qAlpha(q)), std::abs(qRed(p) - qRed(q)),
                                 std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)) });
        }
    return largest;
}

} // namespace

class TestDesktopIntegration : public QObject {
    Q_OBJECT

private slots:
    void manualPageNamesTheHelpsOptions_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("page");
        QTest::newRow("cellaro-render") << CELLARO_RENDER_PROGRAM << CELLARO_MANUAL_PAGES "/cellaro-render.1.in";
        QTest::newRow("cellaro-count") << CELLARO_COUNT_PROGRAM << CELLARO_MANUAL_PAGES "/cellaro-count.1.in";
        // The window's program answers --help without a display or a window.
        QTest::newRow("cellaro") << CELLARO_APP_PROGRAM << CELLARO_MANUAL_PAGES "/cellaro.1.in";
    }

    void manualPageNamesTheHelpsOptions()
    {
        QFETCH(QString, program);
        QFETCH(QString, page);
        QProcess help;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        help.setProcessEnvironment(environment);
        help.start(program, { QStringLiteral("--help") });
        QVERIFY(help.waitForFinished(10000));
        QCOMPARE(help.exitCode(), 0);
        const QString helpText = QString::fromUtf8(help.readAllStandardOutput());
        const QStringList helpOptions = OptionsIn(helpText);
        QVERIFY(helpOptions.contains(QStringLiteral("--version")));
        const QString manual = ReadText(page);
        QCOMPARE(OptionsIn(OptionsSection(manual)), helpOptions);
        const QString problem = HelpLayoutProblem(helpText);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        const QStringList statuses = StatusesIn(helpText, QStringLiteral("\n  (\\d)  "));
        QVERIFY(statuses.contains(QStringLiteral("0")));
        QCOMPARE(StatusesIn(manual, QStringLiteral("\n\\.TP\n\\.B (\\d)\n")), statuses);
    }

    void iconShowsTheWindowIcon_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("tolerance"); // per channel, for edges between pixels
        QTest::newRow("16") << 16 << 2;
        QTest::newRow("32, the window icon's own size") << 32 << 0;
        QTest::newRow("48") << 48 << 2;
        QTest::newRow("64") << 64 << 0;
        QTest::newRow("128") << 128 << 0;
    }

    void iconShowsTheWindowIcon()
    {
        QFETCH(int, size);
        QFETCH(int, tolerance);
        const QImage png(QStringLiteral(CELLARO_ICONS "/%1x%1/cellaro.png").arg(size));
        QCOMPARE(png.size(), QSize(size, size));
        const QImage expected = AreaAveraged(QImage(cellaro_xpm), size);
        const int difference =
            LargestDifference(png.convertToFormat(QImage::Format_ARGB32_Premultiplied), expected);
        QVERIFY2(difference >= 0 && difference <= tolerance,
                 qPrintable(QStringLiteral("a channel differs by %1").arg(difference)));
    }
};

QTEST_MAIN(TestDesktopIntegration)
#include "tst_desktop_integration.moc"
