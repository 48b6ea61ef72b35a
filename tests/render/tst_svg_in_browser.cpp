// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real program's SVG as a real browser shows it: headless Chromium
// takes a screenshot of it, which must show the program's PNG of the same
// session. Every cell's fill at its centre is the PNG's colour there, every
// text's ink lies where the PNG has it, and off the box edges the browser
// draws nothing else. The browser draws its own glyphs, so text pixels are
// not compared, only where their ink is. Every SVG must also be
// well-formed XML to xmllint.
//
// Which pixels of the PNG show which text is known exactly: the session is
// drawn again in-process, noting the text that last changed each pixel.

#include "support/files.h"
#include "support/pictures.h"

#include "entries/default_list.h"
#include "render/render_session.h"
#include "render/scheme_choice.h"
#include "surface/image_surface.h"
#include "surface/twips.h"
#include "surface/window_defaults.h"
#include "window/pixel_image.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>

using namespace cellaro;
using namespace cellaro::testing;

namespace {

constexpr int kSide = 639; // the picture's pixels across and down
const QString kChromium = QStringLiteral("/usr/bin/chromium");

// How many pixels each edge of the browser's ink box of a text may lie from
// the PNG's. Both draw Liberation Sans at 11 pixels from the same baseline
// and start, the browser with glyph positions and hinting of its own: its
// edges lie at most 1 pixel from ours.
constexpr int kInkReach = 2;
// A text's pixel is ink where the text covers more than half of it: it
// differs from the boxes alone by more than half the contrast of the
// text's colour there, in both pictures alike. A text closer than this to
// its fill's colour shows too little to measure, and is left out.
constexpr int kLeastContrast = 24;

// The pixels a box covers, as the image surface rounds its corners.
QRect BoxPixels(float x1, float y1, float x2, float y2)
{
    return QRect(QPoint(TwipsToPixels(std::min(x1, x2)), TwipsToPixels(std::min(y1, y2))),
                 QPoint(TwipsToPixels(std::max(x1, x2)), TwipsToPixels(std::max(y1, y2))));
}

std::size_t PixelIndex(int x, int y) { return std::size_t(y) * kSide + std::size_t(x); }

// The renderer's picture, with the boxes and texts drawn and, for every
// pixel, the text it shows: the last text that changed it, none once a
// later box covers it.
class TextTracingSurface : public ImageSurface {
public:
    struct Text {
        QString text;
        Colour colour;
    };

    TextTracingSurface() : ImageSurface(kSide, kSide, kWindowBackground) {}

    void Cls() override
    {
        ImageSurface::Cls();
        std::fill(owners_.begin(), owners_.end(), -1);
        boxes_.clear();
        texts_.clear();
    }

    void LineBox(float x1, float y1, float x2, float y2, Colour outline) override
    {
        ImageSurface::LineBox(x1, y1, x2, y2, outline);
        const QRect box = BoxPixels(x1, y1, x2, y2) & QRect(0, 0, kSide, kSide);
        boxes_.append(box);
        for (int y = box.top(); y <= box.bottom(); ++y)
            std::fill_n(owners_.begin() + std::ptrdiff_t(PixelIndex(box.left(), y)), box.width(), -1);
    }

    void Print(const QString& text) override
    {
        const PixelBuffer before = pixels();
        ImageSurface::Print(text);
        const int index = int(texts_.size());
        texts_.append({ text, ForeColor() });
        for (int y = 0; y < kSide; ++y) {
            const Pixel* was = before.row(y);
            const Pixel* is = pixels().row(y);
            if (std::memcmp(was, is, kSide * sizeof(Pixel)) != 0)
                for (int x = 0; x < kSide; ++x)
                    if (was[x] != is[x])
                        owners_[PixelIndex(x, y)] = index;
        }
    }

    const std::vector<int>& owners() const { return owners_; }
    const QList<QRect>& boxes() const { return boxes_; }
    const QList<Text>& texts() const { return texts_; }

private:
    std::vector<int> owners_ = std::vector<int>(std::size_t(kSide) * kSide, -1);
    QList<QRect> boxes_;
    QList<Text> texts_;
};

// The same picture without any text.
class BoxesOnlySurface : public ImageSurface {
public:
    BoxesOnlySurface() : ImageSurface(kSide, kSide, kWindowBackground) {}
    void Print(const QString&) override {}
};

int ChannelDifference(QRgb a, QRgb b)
{
    return std::max({ std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)) });
}

QRect Including(const QRect& box, int x, int y)
{
    return box.isNull() ? QRect(x, y, 1, 1) : box.united(QRect(x, y, 1, 1));
}

// One flag per pixel of the picture.
class PixelMask {
public:
    bool at(int x, int y) const { return flags_[PixelIndex(x, y)]; }
    // Sets the flags of the pixels of `area` inside the picture.
    void set(const QRect& area)
    {
        const QRect inside = area & QRect(0, 0, kSide, kSide);
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            std::fill_n(flags_.begin() + std::ptrdiff_t(PixelIndex(inside.left(), y)), inside.width(), true);
    }

private:
    std::vector<bool> flags_ = std::vector<bool>(std::size_t(kSide) * kSide, false);
};

QRect Around(int x, int y, int reach) { return QRect(x - reach, y - reach, 2 * reach + 1, 2 * reach + 1); }

// A session drawn in-process, and what both pictures are measured against:
// the boxes alone, and the bands along their edges. A box's outline in the
// SVG straddles the edges of the pixels it fills in the PNG, so the browser
// blends it into the pixels beside it, even into a neighbour of the same
// colour: no text is looked for there.
struct TracedSession {
    QImage picture;
    QImage boxesOnly;
    QList<QRect> boxes;
    QList<TextTracingSurface::Text> texts;
    std::vector<int> owners; // the text each pixel shows, -1 for none
    PixelMask edges;
    PixelMask nearText; // within kInkReach + 1 of a pixel a text changed
    QList<QRect> inkBoxes; // null for a text with no ink to measure

    int owner(int x, int y) const { return owners[PixelIndex(x, y)]; }

    bool isInk(const QImage& picture, int text, int x, int y) const
    {
        const int contrast = ChannelDifference(OpaquePixel(texts[text].colour), boxesOnly.pixel(x, y));
        return !edges.at(x, y) && contrast >= kLeastContrast
            && 2 * ChannelDifference(picture.pixel(x, y), boxesOnly.pixel(x, y)) > contrast;
    }
};

TracedSession Trace(const SessionInputs& inputs)
{
    TracedSession traced;
    Session session, boxesSession;
    if (ReadSession(inputs, session) || ReadSession(inputs, boxesSession))
        return traced;
    TextTracingSurface surface;
    ReplayShows(session, surface);
    BoxesOnlySurface boxesOnly;
    ReplayShows(boxesSession, boxesOnly);
    traced.picture = ImageOf(surface.pixels()).copy();
    traced.boxesOnly = ImageOf(boxesOnly.pixels()).copy();
    traced.boxes = surface.boxes();
    traced.texts = surface.texts();
    traced.owners = surface.owners();
    for (const QRect& box : traced.boxes) {
        for (int x : { box.left(), box.right() - 1 })
            traced.edges.set(QRect(x - 1, box.top() - 1, 3, box.height() + 2));
        for (int y : { box.top(), box.bottom() - 1 })
            traced.edges.set(QRect(box.left() - 1, y - 1, box.width() + 2, 3));
    }
    traced.inkBoxes.resize(traced.texts.size());
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const int text = traced.owner(x, y);
            if (text < 0)
                continue;
            traced.nearText.set(Around(x, y, kInkReach + 1));
            if (traced.isInk(traced.picture, text, x, y))
                traced.inkBoxes[text] = Including(traced.inkBoxes[text], x, y);
        }
    return traced;
}

// The text shown at the pixel nearest (x, y), at most kInkReach pixels
// across or down from it; -1 when there is none.
int NearestText(const TracedSession& traced, int x, int y)
{
    for (int reach = 0; reach <= kInkReach; ++reach) {
        const QRect around = Around(x, y, reach) & QRect(0, 0, kSide, kSide);
        for (int ny = around.top(); ny <= around.bottom(); ++ny)
            for (int nx = around.left(); nx <= around.right(); ++nx)
                if (traced.owner(nx, ny) >= 0)
                    return traced.owner(nx, ny);
    }
    return -1;
}

// The browser's ink, each pixel taken for the text the PNG shows nearest
// to it; a pixel off the edges that is not the boxes' colour with no text
// within kInkReach is stray.
struct BrowserInk {
    QList<QRect> inkBoxes;
    int strayPixels = 0;
    QPoint firstStray;
};

BrowserInk InkOf(const QImage& screenshot, const TracedSession& traced)
{
    BrowserInk ink;
    ink.inkBoxes.resize(traced.texts.size());
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            if (traced.edges.at(x, y) || screenshot.pixel(x, y) == traced.boxesOnly.pixel(x, y))
                continue;
            const int text = NearestText(traced, x, y);
            if (text < 0 && ink.strayPixels++ == 0)
                ink.firstStray = QPoint(x, y);
            if (text >= 0 && traced.isInk(screenshot, text, x, y))
                ink.inkBoxes[text] = Including(ink.inkBoxes[text], x, y);
        }
    return ink;
}

// The pixel of the box's inside nearest its centre that lies off the
// edges and out of every text's reach: where the fill shows in both
// pictures. (-1, -1) when there is none.
QPoint FillSample(const QRect& box, const TracedSession& traced)
{
    const QPoint centre = box.center();
    QPoint best(-1, -1);
    int bestDistance = std::numeric_limits<int>::max();
    for (int y = box.top() + 1; y < box.bottom(); ++y)
        for (int x = box.left() + 1; x < box.right(); ++x) {
            const int d = (x - centre.x()) * (x - centre.x()) + (y - centre.y()) * (y - centre.y());
            if (d < bestDistance && !traced.edges.at(x, y) && !traced.nearText.at(x, y))
                best = QPoint(x, y), bestDistance = d;
        }
    return best;
}

QString Box(const QRect& r)
{
    return QStringLiteral("(%1, %2)-(%3, %4)").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom());
}

// Empty when the screenshot has the PNG's colour in every box, at its
// centre or, where a text covers that, at the nearest pixel of the fill;
// counts in `offCentre` the boxes sampled elsewhere.
QString FillDifference(const QImage& screenshot, const QImage& png, const TracedSession& traced, int& offCentre)
{
    for (const QRect& box : traced.boxes) {
        const QPoint at = FillSample(box, traced);
        if (at.x() < 0)
            return "no pixel of the fill shows in the box " + Box(box);
        offCentre += at != box.center();
        if (screenshot.pixel(at) != png.pixel(at))
            return QStringLiteral("the fill of the box %1 at (%2, %3) is %4 instead of %5")
                .arg(Box(box)).arg(at.x()).arg(at.y())
                .arg(QColor(screenshot.pixel(at)).name(), QColor(png.pixel(at)).name());
    }
    return {};
}

// Empty when the browser shows no ink away from the PNG's texts and, for
// each text with ink, an ink box whose edges lie within kInkReach of the
// PNG's; `worst` gets the farthest each edge lies (left, top, right,
// bottom, browser minus PNG).
QString InkDifference(const QImage& screenshot, const TracedSession& traced, int (&worst)[4])
{
    const BrowserInk ink = InkOf(screenshot, traced);
    if (ink.strayPixels > 0)
        return QStringLiteral("%1 pixels of ink near no text of the PNG, the first at (%2, %3)")
            .arg(ink.strayPixels).arg(ink.firstStray.x()).arg(ink.firstStray.y());
    for (int i = 0; i < traced.inkBoxes.size(); ++i) {
        const QRect& ours = traced.inkBoxes[i];
        const QRect& theirs = ink.inkBoxes[i];
        if (ours.isNull())
            continue;
        const QString where = QStringLiteral("text %1 \"%2\": ink %3 in the PNG, %4 in the browser")
                                  .arg(i).arg(traced.texts[i].text.left(40), Box(ours),
                                              theirs.isNull() ? QStringLiteral("none") : Box(theirs));
        if (theirs.isNull())
            return where;
        const int off[4] = { theirs.left() - ours.left(), theirs.top() - ours.top(), theirs.right() - ours.right(),
                             theirs.bottom() - ours.bottom() };
        for (int e = 0; e < 4; ++e) {
            if (std::abs(off[e]) > kInkReach)
                return where;
            if (std::abs(off[e]) > std::abs(worst[e]))
                worst[e] = off[e];
        }
    }
    return {};
}

struct Outcome {
    int exitCode = -1;
    QByteArray errors;
};

Outcome Run(const QString& program, const QStringList& arguments, int timeout = 60000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments);
    Outcome outcome;
    if (!process.waitForStarted()) {
        outcome.errors = program.toUtf8() + " cannot be started";
        return outcome;
    }
    if (!process.waitForFinished(timeout)) {
        process.kill();
        process.waitForFinished();
        outcome.errors = "did not finish in time";
        return outcome;
    }
    outcome.errors = process.readAllStandardError();
    outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return outcome;
}

// A screenshot of `page` at the picture's size, one CSS pixel to a device
// pixel, in sRGB and without scroll bars, from a browser with a profile of
// its own that asks nothing of the network.
QImage Screenshot(const QString& page, const QString& shot, QByteArray* errors)
{
    QTemporaryDir profile;
    const Outcome outcome = Run(kChromium,
                                { "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                                  "--user-data-dir=" + profile.path(), "--window-size=639,639",
                                  "--force-device-scale-factor=1", "--force-color-profile=srgb", "--hide-scrollbars",
                                  "--screenshot=" + shot, QUrl::fromLocalFile(page).toString() });
    *errors = outcome.errors;
    return outcome.exitCode == 0 ? QImage(shot).convertToFormat(QImage::Format_RGB32) : QImage();
}

QString NumberedList(int lines)
{
    QString text;
    for (int i = 1; i <= lines; ++i)
        text += QStringLiteral("n%1,%2\n").arg(i).arg(i);
    return text;
}

} // namespace

class TestSvgInBrowser : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

private slots:
    // The shares are printed in the C locale, by the program and in-process.
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        qputenv("LC_ALL", "C.UTF-8");
        QLocale::setDefault(QLocale::c());
    }

    // Each row: the list (empty: the default list), the threshold, the
    // schemes shown before the last, the last, and how many texts show ink
    // to measure in the PNG (not those nearly in their fill's colour), so
    // that a row cannot pass by drawing fewer.
    void browserShowsThePng_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<QString>("schemesBefore");
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<int>("inkedTexts");

        QTest::newRow("default list: 36 cells with texts") << "" << "0" << "" << "Gri" << 108;
        QTest::newRow("121 entries: texts, outlines in the fill") << NumberedList(121) << "0" << "" << "Blu" << 363;
        QTest::newRow("1296 entries: header letters, no cell texts")
            << NumberedList(1296) << "0" << "" << "Ngj3" << 72;
        QTest::newRow("10000 entries: no texts") << NumberedList(10000) << "-10" << "" << "Gjelber" << 0;
        QTest::newRow("default list in Ngj4 after Ngj2: 26 texts nearly in their fill's colour")
            << "" << "0" << "Ngj2" << "Ngj4" << 82;
        QTest::newRow("a label with XML's special characters")
            << "<a & b>,5\n\"q\" 'r',3\n" << "0" << "" << "Kuq" << 6;
        // Labels the picture shows nothing of (a line separator, control
        // codes), reorders (a bidi override, right to left), or cannot
        // carry in XML (U+FFFE, a replacement character in both).
        QTest::newRow("odd labels")
            << QStringLiteral("a\u2028b,5\nx\x0e\x1fz,3\nabc\u202Edef,2\n\u05E9\u05DC\u05D5\u05DD abc,4\nq\uFFFEr,1\n")
            << "0" << "" << "Kuq" << 15;
        QTest::newRow("long labels: under the next box, past the picture's edge")
            << QStringLiteral("%1,5\n%2,9\n").arg(QString(80, u'W'), QStringLiteral("the second label ").repeated(8))
            << "0" << "" << "Gri" << 6;
    }

    void browserShowsThePng()
    {
        QFETCH(QString, list);
        QFETCH(QString, threshold);
        QFETCH(QString, schemesBefore);
        QFETCH(QString, scheme);
        QFETCH(int, inkedTexts);

        // The program's SVG and PNG of the session, and the SVG as XML.
        const QString listFile = folder_.filePath("list.txt");
        QStringList arguments { "--threshold", threshold, "--schemes-before", schemesBefore, "--scheme", scheme };
        if (!list.isEmpty()) {
            QVERIFY(WriteFile(listFile, list.toUtf8()));
            arguments += { "--list", listFile };
        }
        const QString svg = folder_.filePath("picture.svg"), png = folder_.filePath("picture.png");
        for (const QString& output : { svg, png }) {
            const Outcome rendered = Run(CELLARO_RENDER_PROGRAM, arguments + QStringList { "-o", output });
            QVERIFY2(rendered.exitCode == 0, rendered.errors.constData());
        }
        const Outcome xml = Run(QStringLiteral("xmllint"), { "--noout", svg });
        QVERIFY2(xml.exitCode == 0, xml.errors.constData());

        // The same session in-process: the PNG's texts and where their ink is.
        SessionInputs inputs { list.isEmpty() ? DefaultListText() : list, threshold, *SchemeFromText(scheme),
                               *SchemesFromList(schemesBefore) };
        const TracedSession traced = Trace(inputs);
        const QImage programPng = QImage(png).convertToFormat(QImage::Format_RGB32);
        const QString notThePng = PictureDifference(traced.picture, programPng);
        QVERIFY2(notThePng.isEmpty(), qPrintable("the traced picture is not the program's PNG: " + notThePng));
        QCOMPARE(std::count_if(traced.inkBoxes.begin(), traced.inkBoxes.end(), [](const QRect& r) { return !r.isNull(); }),
                 inkedTexts);

        QByteArray browserErrors;
        const QImage shot = Screenshot(svg, folder_.filePath("shot.png"), &browserErrors);
        QVERIFY2(!shot.isNull(), ("no screenshot: " + browserErrors.right(2000)).constData());
        QCOMPARE(shot.size(), QSize(kSide, kSide));

        // Fills exactly the PNG's colours; texts where the PNG has them.
        int offCentre = 0, worst[4] = {};
        const QString fills = FillDifference(shot, programPng, traced, offCentre);
        QVERIFY2(fills.isEmpty(), qPrintable(fills));
        const QString texts = InkDifference(shot, traced, worst);
        QVERIFY2(texts.isEmpty(), qPrintable(texts));
        qInfo("%d fills, %d sampled off their centre; ink of %d texts, browser minus PNG at worst: left %d, "
              "top %d, right %d, bottom %d pixels",
              int(traced.boxes.size()), offCentre, inkedTexts, worst[0], worst[1], worst[2], worst[3]);
    }
};

// Skipped (77) only where the browser cannot start at all.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const Outcome version = QFileInfo(kChromium).isExecutable() ? Run(kChromium, { "--version" }) : Outcome {};
    if (version.exitCode != 0) {
        std::cout << "SKIP: Chromium cannot start (" << qPrintable(kChromium) << " --version failed)\n";
        return 77;
    }
    TestSvgInBrowser test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_svg_in_browser.moc"
