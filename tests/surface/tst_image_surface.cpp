// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The image surface on real pixels: which pixels a box covers, its outline
// and interior, clearing, where a text lands and how crisp its strokes are,
// HiDPI scales, long texts, and the glyph cache's bound.

#include "surface/default_font.h"
#include "surface/font_face.h"
#include "surface/image_surface.h"
#include "surface/font_set.h"
#include "surface/text_layout.h"
#include "surface/text_painter.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace cellaro;

namespace {

constexpr Colour kBackground = RGB(240, 240, 240);
constexpr Colour kOutline = RGB(0, 64, 64);
constexpr Colour kFill = RGB(255, 175, 175);
constexpr int kSurfaceSize = 700;

// The pixel at logical (x, y); at a scale above 1 every device pixel of that
// logical pixel is checked to be the same.
Pixel LogicalPixel(const ImageSurface& surface, int x, int y)
{
    const double scale = surface.scale();
    const int left = int(std::lround(x * scale));
    const int top = int(std::lround(y * scale));
    const int right = int(std::lround((x + 1) * scale));
    const int bottom = int(std::lround((y + 1) * scale));
    const Pixel first = surface.pixels().at(left, top);
    for (int dy = top; dy < bottom; ++dy)
        for (int dx = left; dx < right; ++dx)
            if (surface.pixels().at(dx, dy) != first)
                return OpaquePixel(RGB(1, 2, 3)); // a colour no test draws
    return first;
}

QString Name(Pixel pixel) { return QString::number(pixel & 0xFFFFFF, 16); }

// How much of each pixel a black text covers on white: one row of
// coverages, 0 to 1, per pixel row of the surface.
using Coverage = std::vector<std::vector<double>>;

Coverage InkOf(const QString& text, double scale = 1.0)
{
    ImageSurface surface(60, 30, RGB(255, 255, 255), scale);
    surface.SetForeColor(RGB(0, 0, 0));
    surface.SetCurrentX(30);
    surface.SetCurrentY(30);
    surface.Print(text);
    const PixelBuffer& pixels = surface.pixels();
    Coverage ink(std::size_t(pixels.height), std::vector<double>(std::size_t(pixels.width)));
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            ink[std::size_t(y)][std::size_t(x)] = (255 - (pixels.at(x, y) & 0xFF)) / 255.0;
    return ink;
}

double RowPeak(const std::vector<double>& row) { return *std::max_element(row.begin(), row.end()); }
double RowSum(const std::vector<double>& row) { return std::accumulate(row.begin(), row.end(), 0.0); }

// The rows with any ink worth the name.
std::vector<int> InkedRows(const Coverage& ink)
{
    std::vector<int> rows;
    for (std::size_t y = 0; y < ink.size(); ++y)
        if (RowPeak(ink[y]) > 0.05)
            rows.push_back(int(y));
    return rows;
}

QString Profile(const Coverage& ink)
{
    QStringList rows;
    for (const int y : InkedRows(ink))
        rows.append(QStringLiteral("%1: %2").arg(y).arg(RowPeak(ink[std::size_t(y)]), 0, 'f', 2));
    return rows.join(u", ");
}

// The height of a text's ink in device pixels.
int InkHeight(const Coverage& ink)
{
    const std::vector<int> rows = InkedRows(ink);
    return rows.empty() ? 0 : rows.back() - rows.front() + 1;
}

} // namespace

class TestImageSurface : public QObject {
    Q_OBJECT

private slots:
    void boxPixels_data();
    void boxPixels();
    void clearRestoresTheBackground();
    void textLandsAtItsPosition_data();
    void textLandsAtItsPosition();
    void strokesSitOnPixelRows_data();
    void strokesSitOnPixelRows();
    void boxDrawnAfterATextCoversIt_data();
    void boxDrawnAfterATextCoversIt();
    void scaleCoversItsShareOfDevicePixels_data();
    void scaleCoversItsShareOfDevicePixels();
    void resizeKeepsWhatIsDrawn();
    void longTextIsLaidOutAsFarAsItShows_data();
    void longTextIsLaidOutAsFarAsItShows();
    void glyphCacheKeepsTheLatestWithinItsBytes();
    void damagedFontFilesAreRefused_data();
    void damagedFontFilesAreRefused();
};

void TestImageSurface::boxPixels_data()
{
    QTest::addColumn<QRectF>("twips"); // first corner to second corner
    QTest::addColumn<QRect>("pixels"); // the pixels the box covers, both corners included
    QTest::addColumn<int>("fillStyle");
    QTest::addColumn<uint>("outline");
    QTest::addColumn<uint>("fill");
    QTest::addColumn<double>("scale");

    const QRectF firstCell(QPointF(300, 300), QPointF(1785, 1785));
    const QRect firstCellPixels(QPoint(20, 20), QPoint(119, 119));
    const int solid = int(BoxFill::Solid);
    const int transparent = int(BoxFill::Transparent);
    for (double scale : { 1.0, 2.0 }) {
        const QByteArray at = scale == 1.0 ? "" : " at scale 2";
        QTest::newRow("first cell, solid" + at)
            << firstCell << firstCellPixels << solid << kOutline << kFill << scale;
        QTest::newRow("first cell, transparent" + at)
            << firstCell << firstCellPixels << transparent << kOutline << kFill << scale;
        QTest::newRow("outline in the fill colour" + at)
            << firstCell << firstCellPixels << solid << kFill << kFill << scale;
        QTest::newRow("corners given backwards" + at)
            << QRectF(QPointF(1785, 1785), QPointF(300, 300)) << firstCellPixels << solid << kOutline
            << kFill << scale;
        QTest::newRow("letter-matrix cell" + at) << QRectF(QPointF(9225, 9225), QPointF(9465, 9465))
                                                 << QRect(QPoint(615, 615), QPoint(631, 631)) << solid
                                                 << kOutline << kFill << scale;
        QTest::newRow("smallest cell" + at) << QRectF(QPointF(300, 300), QPointF(390, 390))
                                            << QRect(QPoint(20, 20), QPoint(26, 26)) << solid << kOutline
                                            << kFill << scale;
    }
}

void TestImageSurface::boxPixels()
{
    QFETCH(QRectF, twips);
    QFETCH(QRect, pixels);
    QFETCH(int, fillStyle);
    QFETCH(uint, outline);
    QFETCH(uint, fill);
    QFETCH(double, scale);

    ImageSurface surface(kSurfaceSize, kSurfaceSize, kBackground, scale);
    surface.SetFillColor(fill);
    surface.SetFillStyle(BoxFill(fillStyle));
    surface.LineBox(float(twips.left()), float(twips.top()), float(twips.right()), float(twips.bottom()),
                    outline);
    QCOMPARE(surface.pixels().width, int(kSurfaceSize * scale));

    const Pixel edge = OpaquePixel(outline);
    const Pixel inside = OpaquePixel(fillStyle == int(BoxFill::Solid) ? fill : kBackground);
    const Pixel outside = OpaquePixel(kBackground);
    auto expectAt = [&](int x, int y, Pixel expected) {
        const Pixel actual = LogicalPixel(surface, x, y);
        if (actual != expected)
            QFAIL(qPrintable(QStringLiteral("pixel (%1,%2) is %3, expected %4")
                                 .arg(x).arg(y).arg(Name(actual), Name(expected))));
    };
    // The four corners and the middle of each edge carry the outline.
    const QPoint middle = pixels.center();
    for (const QPoint p : { pixels.topLeft(), pixels.topRight(), pixels.bottomLeft(), pixels.bottomRight(),
                            QPoint(middle.x(), pixels.top()), QPoint(middle.x(), pixels.bottom()),
                            QPoint(pixels.left(), middle.y()), QPoint(pixels.right(), middle.y()) })
        expectAt(p.x(), p.y(), edge);
    // The outline is one pixel wide: the pixels just inside it are interior.
    expectAt(pixels.left() + 1, pixels.top() + 1, inside);
    expectAt(pixels.right() - 1, pixels.bottom() - 1, inside);
    expectAt(middle.x(), middle.y(), inside);
    // Nothing outside the box.
    expectAt(pixels.left() - 1, pixels.top(), outside);
    expectAt(pixels.left(), pixels.top() - 1, outside);
    expectAt(pixels.right() + 1, pixels.bottom(), outside);
    expectAt(pixels.right(), pixels.bottom() + 1, outside);
}

void TestImageSurface::clearRestoresTheBackground()
{
    ImageSurface surface(kSurfaceSize, kSurfaceSize, kBackground);
    surface.SetFillColor(kFill);
    surface.SetFillStyle(BoxFill::Solid);
    surface.LineBox(300, 300, 9285, 9285, kOutline);
    surface.SetForeColor(RGB(255, 255, 0));
    surface.SetCurrentX(330);
    surface.SetCurrentY(330);
    surface.Print(QStringLiteral("a"));
    QVERIFY(surface.pixels().at(20, 20) != OpaquePixel(kBackground));

    surface.Cls();
    QVERIFY(std::all_of(surface.pixels().pixels.begin(), surface.pixels().pixels.end(),
                        [](Pixel pixel) { return pixel == OpaquePixel(kBackground); }));
}

void TestImageSurface::textLandsAtItsPosition_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width"); // logical pixels the text's ink may take, at most
    QTest::addColumn<bool>("fallback"); // glyphs the built-in font lacks

    QTest::newRow("a count") << 1.0 << "433" << 20 << false;
    QTest::newRow("a count at scale 2") << 2.0 << "433" << 20 << false;
    QTest::newRow("a count at scale 1.5") << 1.5 << "433" << 20 << false;
    QTest::newRow("a wide text") << 1.0 << "WWWWWWWWWW" << 110 << false;
    // From DejaVu Sans (fonts-dejavu-core, which the set-up installs).
    QTest::newRow("Armenian letter") << 1.0 << QStringLiteral("\u0531") << 12 << true;
    QTest::newRow("check mark at scale 2") << 2.0 << QStringLiteral("\u2713") << 12 << true;
    QTest::newRow("emoji") << 1.0 << QString::fromUcs4(U"\U0001F600") << 14 << true;
    // Only where a font with CJK glyphs is installed (not on a fresh Debian 12).
    QTest::newRow("CJK ideograph") << 1.0 << QStringLiteral("\u4E2D") << 14 << true;
}

void TestImageSurface::textLandsAtItsPosition()
{
    QFETCH(double, scale);
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(bool, fallback);

    const std::span<const char> bytes = DefaultFontBytes();
    const auto builtIn = FontFace::FromStaticBytes(bytes.data(), bytes.size(), kPictureTextPixels);
    QVERIFY(builtIn);
    const char32_t first = text.toUcs4().first();
    QCOMPARE(builtIn->HasGlyph(first), !fallback);
    if (fallback && !MachineFontFor(first))
        QSKIP("no installed font has this character");

    // A dark box with the text inside it, as the painter draws a label.
    const Colour yellow = RGB(255, 255, 0);
    ImageSurface surface(kSurfaceSize, kSurfaceSize, kBackground, scale);
    surface.SetFillColor(RGB(0, 0, 0));
    surface.SetFillStyle(BoxFill::Solid);
    surface.LineBox(300, 300, 1785 * 3, 1785 * 3, kOutline);
    surface.SetForeColor(yellow);
    surface.SetCurrentX(330);
    surface.SetCurrentY(330);
    surface.Print(text);

    // Logical pixel (22, 22) is the text's top-left corner; its ink stays
    // within the line of the 11-pixel font (12 pixels and one for antialiasing).
    const QRect expected(QPoint(22, 22), QSize(width, 13));
    const PixelBuffer& pixels = surface.pixels();
    int inked = 0; // nearer the text colour than the box
    const int inside = int(std::lround(21 * scale)); // past the box's outline
    for (int y = inside; y < int(119 * 3 * scale); ++y)
        for (int x = inside; x < int(119 * 3 * scale); ++x) {
            const Pixel pixel = pixels.at(x, y);
            if (pixel == OpaquePixel(RGB(0, 0, 0)))
                continue;
            const QPoint logical(int(x / scale), int(y / scale));
            if (!expected.contains(logical))
                QFAIL(qPrintable(QStringLiteral("text pixel at (%1,%2) outside %3,%4 %5x%6")
                                     .arg(logical.x()).arg(logical.y())
                                     .arg(expected.x()).arg(expected.y())
                                     .arg(expected.width()).arg(expected.height())));
            if ((pixel >> 16 & 0xFF) >= 128 && (pixel >> 8 & 0xFF) >= 128)
                ++inked;
        }
    QVERIFY2(inked > 0, "no pixel in the text colour");
}

// The picture's thin strokes are hinted onto whole pixel rows: a minus sign
// reads as one, "=" as two bars, and the dots of "ë" as dots. At scale 2
// the glyphs are drawn at twice the size, not enlarged.
void TestImageSurface::strokesSitOnPixelRows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("scale");

    QTest::newRow("hyphen of a negative count") << "-" << 1.0;
    QTest::newRow("equals sign") << "=" << 1.0;
    QTest::newRow("diaeresis of e") << QStringLiteral("\u00EB") << 1.0;
    QTest::newRow("capital H at twice the size") << "H" << 2.0;
}

void TestImageSurface::strokesSitOnPixelRows()
{
    QFETCH(QString, text);
    QFETCH(double, scale);
    const Coverage ink = InkOf(text, scale);
    const std::vector<int> rows = InkedRows(ink);
    const QByteArray profile = Profile(ink).toUtf8();
    const auto peak = [&](int row) { return RowPeak(ink[std::size_t(row)]); };

    if (text == u"-") {
        const auto strongest = std::max_element(rows.begin(), rows.end(), [&](int a, int b) { return peak(a) < peak(b); });
        QVERIFY2(peak(*strongest) >= 0.75, profile);
        for (const int row : rows)
            QVERIFY2(row == *strongest || peak(row) <= 0.30, profile);
    } else if (text == u"=") {
        QVERIFY2(rows.size() == 2, profile);
        QVERIFY2(peak(rows[0]) >= 0.70 && peak(rows[1]) >= 0.70, profile);
    } else if (text == u"H") {
        // Twice the height of the 8-pixel capital at scale 1, to a pixel.
        QVERIFY2(std::abs(InkHeight(ink) - 2 * InkHeight(InkOf(text))) <= 1, profile);
    } else {
        // The dots are the ink above the rows of a plain "e".
        const std::vector<int> body = InkedRows(InkOf(QStringLiteral("e")));
        double dots = 0;
        double inRow = 0;
        for (const int row : rows)
            if (std::find(body.begin(), body.end(), row) == body.end()) {
                dots += RowSum(ink[std::size_t(row)]);
                inRow = std::max(inRow, RowSum(ink[std::size_t(row)]));
            }
        QVERIFY2(dots > 0 && inRow >= 0.75 * dots, profile);
    }
}

void TestImageSurface::boxDrawnAfterATextCoversIt_data()
{
    QTest::addColumn<double>("scale");

    QTest::newRow("scale 1") << 1.0;
    QTest::newRow("scale 2") << 2.0;
}

void TestImageSurface::boxDrawnAfterATextCoversIt()
{
    QFETCH(double, scale);

    // Drawing lands in call order: a repaint's boxes hide what was printed
    // under them before.
    ImageSurface surface(kSurfaceSize, kSurfaceSize, kBackground, scale);
    surface.SetForeColor(RGB(255, 255, 0));
    surface.SetCurrentX(330);
    surface.SetCurrentY(330);
    surface.Print(QStringLiteral("WWW"));
    surface.SetFillColor(kFill);
    surface.SetFillStyle(BoxFill::Solid);
    surface.LineBox(300, 300, 1785, 1785, kOutline);
    for (int y = 21; y <= 118; ++y)
        for (int x = 21; x <= 118; ++x)
            if (LogicalPixel(surface, x, y) != OpaquePixel(kFill))
                QFAIL(qPrintable(QStringLiteral("pixel (%1,%2) is not the fill").arg(x).arg(y)));
}

void TestImageSurface::scaleCoversItsShareOfDevicePixels_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("covered"); // device pixels of a 100-pixel box's row

    QTest::newRow("scale 1") << 1.0 << 100;
    QTest::newRow("scale 1.5") << 1.5 << 150;
    QTest::newRow("scale 2") << 2.0 << 200;
}

void TestImageSurface::scaleCoversItsShareOfDevicePixels()
{
    QFETCH(double, scale);
    ImageSurface surface(kSurfaceSize, kSurfaceSize, kBackground, scale);
    surface.SetFillColor(kFill);
    surface.SetFillStyle(BoxFill::Solid);
    surface.LineBox(300, 300, 1785, 1785, kOutline);
    const int y = int(60 * scale);
    int covered = 0;
    for (int x = 0; x < surface.pixels().width; ++x)
        covered += surface.pixels().at(x, y) != OpaquePixel(kBackground);
    QTEST(covered, "covered");
}

void TestImageSurface::resizeKeepsWhatIsDrawn()
{
    ImageSurface surface(200, 200, kBackground);
    surface.SetFillColor(kFill);
    surface.SetFillStyle(BoxFill::Solid);
    surface.LineBox(300, 300, 1785, 1785, kOutline);
    surface.Resize(400, 300, 1.0);
    QCOMPARE(surface.width(), 400);
    QCOMPARE(surface.pixels().height, 300);
    QCOMPARE(surface.pixels().at(20, 20), OpaquePixel(kOutline));
    QCOMPARE(surface.pixels().at(60, 60), OpaquePixel(kFill));
    QCOMPARE(surface.pixels().at(300, 250), OpaquePixel(kBackground));
}

// A text of thousands of characters is laid out only as far as it can
// show, yet shows exactly what laying all of it out would show: the
// picture equals that of the text's first 256 characters, which are laid
// out whole and already run past the edge. Right-to-left text is not cut.
void TestImageSurface::longTextIsLaidOutAsFarAsItShows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("x"); // where it starts, in pixels of a 639-pixel surface
    QTest::addColumn<bool>("cut");
    // A text short enough to be laid out whole that shows the same; empty:
    // the text's first 256 characters.
    QTest::addColumn<QString>("same");

    QTest::newRow("one letter, 100000 times") << QString(100000, u'L') << 0 << true << QString();
    QTest::newRow("kerning pairs") << QStringLiteral("AVTo").repeated(20000) << 300 << true << QString();
    QTest::newRow("words near the edge") << QStringLiteral("lorem ipsum ").repeated(10000) << 600 << true << QString();
    QTest::newRow("combining accents") << QStringLiteral("e\u0301").repeated(50000) << 0 << true << QString();
    QTest::newRow("fallback glyphs") << QStringLiteral("a\u2713").repeated(20000) << 100 << true << QString();
    QTest::newRow("starting past the edge") << QString(10000, u'L') << 700 << true << QString();
    QTest::newRow("digits") << QString(100000, u'0') << 0 << true << QString();
    QTest::newRow("zero-width spaces, then letters")
        << QStringLiteral("\u200B").repeated(2000) + QString(10000, u'L') << 0 << true << QString(256, u'L');
    QTest::newRow("digits, then right to left") << QString(1000, u'7') + QStringLiteral("\u05E9") << 0 << false << QString();
    QTest::newRow("right to left") << QStringLiteral("\u05E9\u05DC\u05D5\u05DD ").repeated(2000) << 0
                                   << false << QString();
}

void TestImageSurface::longTextIsLaidOutAsFarAsItShows()
{
    QFETCH(QString, text);
    QFETCH(int, x);
    QFETCH(bool, cut);
    QFETCH(QString, same);
    constexpr int kWidth = 639;

    FontSet fonts(kPictureTextPixels);
    TextLayout layout(fonts);
    QCOMPARE(layout.LayOut(text, kWidth - x).length < text.size(), cut);
    if (!cut)
        return;
    const auto picture = [&](const QString& printed) {
        ImageSurface surface(kWidth, 40, RGB(255, 255, 255));
        surface.SetForeColor(RGB(0, 0, 128));
        surface.SetCurrentX(float(x * 15));
        surface.SetCurrentY(150);
        surface.Print(printed);
        return surface.pixels().pixels;
    };
    QVERIFY(picture(text) == picture(same.isEmpty() ? text.first(256) : same));
}

// A cache never holds more than its bytes, and lets the value used longest
// ago go first.
void TestImageSurface::glyphCacheKeepsTheLatestWithinItsBytes()
{
    LruCache<int, QByteArray> cache(1000); // 300 bytes and the overhead: two fit
    cache.Add(1, QByteArray(300, 'a'), 300);
    cache.Add(2, QByteArray(300, 'b'), 300);
    QVERIFY(cache.Find(1)); // now the latest used
    cache.Add(3, QByteArray(300, 'c'), 300);
    QVERIFY(cache.bytes() <= 1000);
    QVERIFY(cache.Find(1));
    QVERIFY(!cache.Find(2));
    QCOMPARE(*cache.Find(3), QByteArray(300, 'c'));
    // A value larger than the whole cache is still held, alone.
    cache.Add(4, QByteArray(2000, 'd'), 2000);
    QVERIFY(cache.Find(4) && !cache.Find(1) && !cache.Find(3));

    // Every glyph of the built-in font below U+2000, at six times the size:
    // the painter's cache stays within its bound.
    TextPainter painter(6 * kPictureTextPixels);
    PixelBuffer pixels(1400, 40, 0xFFFFFFFF);
    QString all;
    for (char16_t c = 0x20; c < 0x2000; ++c)
        all.append(QChar(c));
    for (qsizetype from = 0; from < all.size(); from += 40)
        painter.Print(pixels, 0, 0, all.mid(from, 40), 0xFF000000);
    QVERIFY(painter.glyphs().bytes() > kGlyphCacheBytes / 2);
    QVERIFY(painter.glyphs().bytes() <= kGlyphCacheBytes);
}

// A machine font file that is damaged or not a font at all is refused, and
// the characters it was to draw take the built-in font's missing-glyph box.
void TestImageSurface::damagedFontFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("refused"); // false: FreeType may open what is left
    const std::span<const char> font = DefaultFontBytes();
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("a text file") << QByteArray("not a font\n") << true;
    QTest::newRow("the font's first bytes only") << QByteArray(font.data(), 100) << true;
    QTest::newRow("the font cut in half") << QByteArray(font.data(), qsizetype(font.size() / 2)) << false;
}

void TestImageSurface::damagedFontFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, refused);
    QTemporaryDir folder;
    QFile file(folder.filePath("damaged.ttf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const auto face = FontFace::FromFile(file.fileName().toStdString(), 0, kPictureTextPixels);
    if (refused)
        QVERIFY(!face);
    // What FreeType still opens draws without reading outside the file (the
    // sanitizer build sees any such read).
    for (unsigned glyph = 0; face && glyph < 3000; ++glyph)
        (void)face->Draw(glyph, 1);
    QVERIFY(!face || face->Ascent() > 0);
}

QTEST_MAIN(TestImageSurface)
#include "tst_image_surface.moc"
