// The image surface on real pixels: which pixels a box covers, its outline
// and interior, clearing, where a text lands, and HiDPI images.

#include "surface/default_font.h"
#include "surface/default_font_coverage.h"
#include "surface/font_tables.h"
#include "surface/image_surface.h"
#include "surface/number_layout.h"
#include "surface/path_coverage.h"
#include "surface/text_coverage.h"
#include "surface/truetype_outlines.h"
#include "surface/visible_text.h"
#include "surface/window_defaults.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QRawFont>
#include <QTextLayout>
#include <QTest>

using namespace cellaro;

namespace {

const QColor kBackground(240, 240, 240);
constexpr Colour kOutline = RGB(0, 64, 64);
constexpr Colour kFill = RGB(255, 175, 175);
const QSize kSurfaceSize(700, 700);

QRgb Rgb(Colour colour) { return ToQColor(colour).rgb(); }

// The pixel at logical (x, y); with a device pixel ratio every device pixel
// of that logical pixel is checked to be the same.
QRgb LogicalPixel(const QImage& image, int x, int y)
{
    const int ratio = int(image.devicePixelRatio());
    const QRgb first = image.pixel(x * ratio, y * ratio);
    for (int dy = 0; dy < ratio; ++dy)
        for (int dx = 0; dx < ratio; ++dx)
            if (image.pixel(x * ratio + dx, y * ratio + dy) != first)
                return qRgb(1, 2, 3); // a colour no test draws
    return first;
}

QString Name(QRgb rgb) { return QColor(rgb).name(); }

// The family of the font the text's glyphs are taken from; empty when no
// installed font has them (the glyph is then the missing-glyph box).
QString FamilyOfGlyphs(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || runs.first().glyphIndexes().contains(0))
        return QString();
    return runs.first().rawFont().familyName();
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
    void boxDrawnAfterATextCoversIt_data();
    void boxDrawnAfterATextCoversIt();
    void doublePixelRatioCoversTwiceTheDevicePixels();
    void resizeKeepsWhatIsDrawn();
    void longTextIsLaidOutAsFarAsItShows_data();
    void longTextIsLaidOutAsFarAsItShows();
    void coverageIsTheFontEnginesOwn();
    void outlinesReadFromTheFileAreTheEnginesOwn_data();
    void outlinesReadFromTheFileAreTheEnginesOwn();
    void damagedGlyphsAreRefused_data();
    void damagedGlyphsAreRefused();
    void numbersAreLaidOutAsTheTextLayoutDoes_data();
    void numbersAreLaidOutAsTheTextLayoutDoes();
    void glyphCellsAddUpToTheTextsCoverage_data();
    void glyphCellsAddUpToTheTextsCoverage();
};

void TestImageSurface::boxPixels_data()
{
    QTest::addColumn<QRectF>("twips");   // first corner to second corner
    QTest::addColumn<QRect>("pixels");   // the pixels the box covers, both corners included
    QTest::addColumn<int>("fillStyle");
    QTest::addColumn<uint>("outline");
    QTest::addColumn<uint>("fill");
    QTest::addColumn<qreal>("ratio");

    const QRectF firstCell(QPointF(300, 300), QPointF(1785, 1785));
    const QRect firstCellPixels(QPoint(20, 20), QPoint(119, 119));
    const int solid = int(BoxFill::Solid);
    const int transparent = int(BoxFill::Transparent);
    for (qreal ratio : { 1.0, 2.0 }) {
        const QByteArray at = ratio == 1.0 ? "" : " at ratio 2";
        QTest::newRow("first cell, solid" + at)
            << firstCell << firstCellPixels << solid << kOutline << kFill << ratio;
        QTest::newRow("first cell, transparent" + at)
            << firstCell << firstCellPixels << transparent << kOutline << kFill << ratio;
        QTest::newRow("outline in the fill colour" + at)
            << firstCell << firstCellPixels << solid << kFill << kFill << ratio;
        QTest::newRow("corners given backwards" + at)
            << QRectF(QPointF(1785, 1785), QPointF(300, 300)) << firstCellPixels << solid << kOutline
            << kFill << ratio;
        QTest::newRow("letter-matrix cell" + at) << QRectF(QPointF(9225, 9225), QPointF(9465, 9465))
                                                 << QRect(QPoint(615, 615), QPoint(631, 631)) << solid
                                                 << kOutline << kFill << ratio;
        QTest::newRow("smallest cell" + at) << QRectF(QPointF(300, 300), QPointF(390, 390))
                                            << QRect(QPoint(20, 20), QPoint(26, 26)) << solid << kOutline
                                            << kFill << ratio;
    }
}

void TestImageSurface::boxPixels()
{
    QFETCH(QRectF, twips);
    QFETCH(QRect, pixels);
    QFETCH(int, fillStyle);
    QFETCH(uint, outline);
    QFETCH(uint, fill);
    QFETCH(qreal, ratio);

    ImageSurface surface(kSurfaceSize, kBackground, QFont(), ratio);
    surface.SetFillColor(fill);
    surface.SetFillStyle(BoxFill(fillStyle));
    surface.LineBox(float(twips.left()), float(twips.top()), float(twips.right()),
                    float(twips.bottom()), outline);
    const QImage& image = surface.image();
    QCOMPARE(image.size(), kSurfaceSize * ratio);

    const QRgb edge = Rgb(outline);
    const QRgb inside = fillStyle == int(BoxFill::Solid) ? Rgb(fill) : kBackground.rgb();
    const QRgb outside = kBackground.rgb();
    auto expectAt = [&](int x, int y, QRgb expected) {
        const QRgb actual = LogicalPixel(image, x, y);
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
    ImageSurface surface(kSurfaceSize, kBackground);
    surface.SetFillColor(kFill);
    surface.SetFillStyle(BoxFill::Solid);
    surface.LineBox(300, 300, 9285, 9285, kOutline);
    surface.SetForeColor(RGB(255, 255, 0));
    surface.SetCurrentX(330);
    surface.SetCurrentY(330);
    surface.Print(QStringLiteral("a"));
    QVERIFY(surface.image().pixel(20, 20) != kBackground.rgb());

    surface.Cls();
    QImage blank(surface.image().size(), QImage::Format_RGB32);
    blank.fill(kBackground);
    QCOMPARE(surface.image().convertToFormat(QImage::Format_RGB32), blank);
}

void TestImageSurface::textLandsAtItsPosition_data()
{
    QTest::addColumn<int>("pixelSize"); // 0: the application's default font
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("text");

    QTest::addColumn<bool>("fallback"); // glyphs the default font lacks

    QTest::newRow("default font") << 0 << 1.0 << "433" << false;
    QTest::newRow("large font") << 24 << 1.0 << "HIH" << false;
    QTest::newRow("large font at ratio 2") << 24 << 2.0 << "HIH" << false;
    // From DejaVu Sans (fonts-dejavu-core, which the set-up installs).
    QTest::newRow("Armenian letter") << 0 << 1.0 << QStringLiteral("\u0531") << true;
    QTest::newRow("check mark at ratio 2") << 0 << 2.0 << QStringLiteral("\u2713") << true;
    QTest::newRow("emoji") << 0 << 1.0 << QString::fromUcs4(U"\U0001F600") << true;
    // Only where a font with CJK glyphs is installed (not on a fresh Debian 12).
    QTest::newRow("CJK ideograph") << 0 << 1.0 << QStringLiteral("\u4E2D") << true;
}

void TestImageSurface::textLandsAtItsPosition()
{
    QFETCH(int, pixelSize);
    QFETCH(qreal, ratio);
    QFETCH(QString, text);
    QFETCH(bool, fallback);

    QFont font = QGuiApplication::font();
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font);
    QCOMPARE(DefaultFontCovers(text), !fallback);
    if (fallback) {
        QFont merging = font;
        merging.setStyleStrategy(QFont::PreferDefault);
        if (FamilyOfGlyphs(text, merging).isEmpty())
            QSKIP("no installed font has this character");
        const QString fallbackFamily = FamilyOfGlyphs(text, font);
        QVERIFY2(!fallbackFamily.isEmpty() && fallbackFamily != QFontInfo(font).family(),
                 qPrintable(fallbackFamily));
    }
    const Colour yellow = RGB(255, 255, 0);

    // A dark box with the text inside it, as the painter draws a label.
    ImageSurface surface(kSurfaceSize, kBackground, font, ratio);
    surface.SetFillColor(RGB(0, 0, 0));
    surface.SetFillStyle(BoxFill::Solid);
    surface.LineBox(300, 300, 1785 * 3, 1785 * 3, kOutline);
    surface.SetForeColor(yellow);
    surface.SetCurrentX(330);
    surface.SetCurrentY(330);
    surface.Print(text);
    const QImage image = surface.image().convertToFormat(QImage::Format_RGB32);

    // Logical pixel (22, 22) is the text's top-left corner.
    const QRect expected(QPoint(22, 22), QSize(metrics.horizontalAdvance(text) + 2, metrics.height()));
    const QRgb boxInterior = qRgb(0, 0, 0);
    int inked = 0; // nearer the text colour than the box

    for (int y = 21 * int(ratio); y < 119 * 3 * int(ratio); ++y)
        for (int x = 21 * int(ratio); x < 119 * 3 * int(ratio); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == boxInterior)
                continue;
            const QPoint logical(int(x / ratio), int(y / ratio));
            if (!expected.contains(logical))
                QFAIL(qPrintable(QStringLiteral("text pixel at (%1,%2) outside %3,%4 %5x%6")
                                     .arg(logical.x()).arg(logical.y())
                                     .arg(expected.x()).arg(expected.y())
                                     .arg(expected.width()).arg(expected.height())));
            if (qRed(pixel) >= 128 && qGreen(pixel) >= 128)
                ++inked;
        }
    QVERIFY2(inked > 0, "no pixel in the text colour");
}

void TestImageSurface::boxDrawnAfterATextCoversIt_data()
{
    QTest::addColumn<qreal>("ratio");

    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 2") << 2.0;
}

void TestImageSurface::boxDrawnAfterATextCoversIt()
{
    QFETCH(qreal, ratio);

    // Drawing lands in call order: a repaint's boxes hide what was printed
    // under them before.
    ImageSurface surface(kSurfaceSize, kBackground, QFont(), ratio);
    surface.SetForeColor(RGB(255, 255, 0));
    surface.SetCurrentX(330);
    surface.SetCurrentY(330);
    surface.Print(QStringLiteral("WWW"));
    surface.SetFillColor(kFill);
    surface.SetFillStyle(BoxFill::Solid);
    surface.LineBox(300, 300, 1785, 1785, kOutline);
    const QImage image = surface.image().convertToFormat(QImage::Format_RGB32);
    for (int y = 21; y <= 118; ++y)
        for (int x = 21; x <= 118; ++x)
            if (LogicalPixel(image, x, y) != Rgb(kFill))
                QFAIL(qPrintable(QStringLiteral("pixel (%1,%2) is not the fill").arg(x).arg(y)));
}

void TestImageSurface::doublePixelRatioCoversTwiceTheDevicePixels()
{
    auto boxRowWidth = [](qreal ratio) {
        ImageSurface surface(kSurfaceSize, kBackground, QFont(), ratio);
        surface.SetFillColor(kFill);
        surface.SetFillStyle(BoxFill::Solid);
        surface.LineBox(300, 300, 1785, 1785, kOutline);
        const QImage& image = surface.image();
        int covered = 0;
        const int y = int(60 * ratio);
        for (int x = 0; x < image.width(); ++x)
            covered += image.pixel(x, y) != kBackground.rgb();
        return covered;
    };
    QCOMPARE(boxRowWidth(1.0), 100);
    QCOMPARE(boxRowWidth(2.0), 200);
}

void TestImageSurface::resizeKeepsWhatIsDrawn()
{
    ImageSurface surface(QSize(200, 200), kBackground);
    surface.SetFillColor(kFill);
    surface.SetFillStyle(BoxFill::Solid);
    surface.LineBox(300, 300, 1785, 1785, kOutline);
    surface.Resize(QSize(400, 300), 1.0);
    QCOMPARE(surface.logicalSize(), QSize(400, 300));
    const QImage& image = surface.image();
    QCOMPARE(image.pixel(20, 20), Rgb(kOutline));
    QCOMPARE(image.pixel(60, 60), Rgb(kFill));
    QCOMPARE(image.pixel(300, 250), kBackground.rgb());
}

// The character map read from the font file never claims a character the
// font engine would take from another font, and misses only those the
// engine draws with another glyph of the font (a tab and a no-break space
// as a space).
void TestImageSurface::coverageIsTheFontEnginesOwn()
{
    QFile file(DefaultFontResource());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QRawFont font(file.readAll(), 11);
    QVERIFY(font.isValid());
    int covered = 0;
    QList<int> engineOnly;
    for (char16_t c = 1; c != 0; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const bool ours = DefaultFontCovers(QStringView(&c, 1));
        const bool engine = font.supportsCharacter(QChar(c));
        QVERIFY2(!ours || engine, qPrintable(QString::number(c, 16)));
        if (engine && !ours)
            engineOnly.append(c);
        covered += ours ? 1 : 0;
    }
    QVERIFY2(engineOnly.size() <= 2, qPrintable(QString::number(engineOnly.value(0), 16)));
    QVERIFY2(covered > 1000, qPrintable(QString::number(covered)));
    QVERIFY(!DefaultFontCovers(QString::fromUcs4(U"a\U0001F600")));
}

void TestImageSurface::outlinesReadFromTheFileAreTheEnginesOwn_data()
{
    QTest::addColumn<qreal>("pixelSize");

    QTest::newRow("the picture's texts") << QRawFont::fromFont(WindowFont()).pixelSize();
    QTest::newRow("11 pixels") << 11.0;
    QTest::newRow("37 pixels") << 37.0;
    QTest::newRow("5.3 pixels") << 5.3;
}

// Every simple glyph of the built-in font read from its file has exactly
// the outline elements the font engine gives, and only composite glyphs
// are left to the engine.
void TestImageSurface::outlinesReadFromTheFileAreTheEnginesOwn()
{
    QFETCH(qreal, pixelSize);
    const TrueTypeOutlines file(DefaultFontData());
    const QRawFont engine(DefaultFontData(), pixelSize, QFont::PreferNoHinting);
    QVERIFY(engine.isValid());
    const QByteArray data = DefaultFontData();
    const quint32 glyphs = FontU16(data, FontTableOffset(data, "maxp") + 4);
    int simple = 0;
    int composite = 0;
    for (quint32 glyph = 0; glyph < glyphs; ++glyph) {
        const QPainterPath expected = engine.pathForGlyph(glyph);
        const std::optional<QPainterPath> read = file.SimpleGlyphPath(glyph, pixelSize);
        if (!read) {
            ++composite;
            continue;
        }
        ++simple;
        QVERIFY2(read->elementCount() == expected.elementCount(), qPrintable(QStringLiteral("glyph %1: %2 elements instead of %3").arg(glyph).arg(read->elementCount()).arg(expected.elementCount())));
        for (int i = 0; i < expected.elementCount(); ++i) {
            const QPainterPath::Element a = read->elementAt(i);
            const QPainterPath::Element e = expected.elementAt(i);
            QVERIFY2(a.type == e.type && a.x == e.x && a.y == e.y,
                     qPrintable(QStringLiteral("glyph %1, element %2: (%3, %4) instead of (%5, %6)")
                                    .arg(glyph).arg(i).arg(a.x).arg(a.y).arg(e.x).arg(e.y)));
        }
    }
    QVERIFY2(simple > 1000 && composite > 100, qPrintable(QStringLiteral("%1 %2").arg(simple).arg(composite)));
    QVERIFY(!file.SimpleGlyphPath(glyphs, pixelSize));
}

// A damaged font file gives no outline instead of reading outside the file
// (the sanitizer build sees any such read).
void TestImageSurface::damagedGlyphsAreRefused_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("file cut inside the glyph") << "cut";
    QTest::newRow("instructions longer than the glyph") << "instructions";
    QTest::newRow("contour ends falling") << "ends";
    QTest::newRow("glyph ending before it starts") << "loca";
    QTest::newRow("no units per em") << "units";
}

void TestImageSurface::damagedGlyphsAreRefused()
{
    QFETCH(QString, damage);
    QByteArray font = DefaultFontData();
    font.detach();
    const QRawFont engine(font, 11, QFont::PreferNoHinting);
    const QList<quint32> glyphs = engine.glyphIndexesForString(QStringLiteral("B"));
    QCOMPARE(glyphs.size(), 1);
    const quint32 glyph = glyphs.front();
    QVERIFY(TrueTypeOutlines(font).SimpleGlyphPath(glyph, 11));

    const qsizetype head = FontTableOffset(font, "head");
    const qsizetype loca = FontTableOffset(font, "loca");
    const bool longOffsets = FontI16(font, head + 50) == 1;
    const qsizetype entry = loca + (longOffsets ? 4 : 2) * qsizetype(glyph);
    const qsizetype start = FontTableOffset(font, "glyf")
        + (longOffsets ? qsizetype(FontU32(font, entry)) : 2 * qsizetype(FontU16(font, entry)));
    const auto put16 = [&](qsizetype at, int value) {
        font[at] = char(value >> 8);
        font[at + 1] = char(value);
    };
    const int contours = FontI16(font, start);
    QCOMPARE(contours, 3);
    const qsizetype instructions = start + 10 + 2 * contours;
    if (damage == "cut")
        font.truncate(instructions);
    else if (damage == "instructions")
        put16(instructions, 0xFFFF);
    else if (damage == "ends")
        put16(start + 12, 0);
    else if (damage == "loca")
        longOffsets ? put16(entry + 4, 0), put16(entry + 6, 0) : put16(entry + 2, 0);
    else
        put16(head + 18, 0);
    QVERIFY(!TrueTypeOutlines(font).SimpleGlyphPath(glyph, 11));
}

void TestImageSurface::numbersAreLaidOutAsTheTextLayoutDoes_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("numbers"); // laid out by NumberLayout

    const QString characters = QStringLiteral("0123456789.,%-");
    QStringList triples;
    for (const QChar a : characters)
        for (const QChar b : characters)
            for (const QChar c : characters)
                triples << QString(a) + b + c;
    const QStringList numbers { "0", "7", "1377", "28.86%", "0.02%", "-5", "-32768", "100.00%", "1,234,567",
                                "11111111", "%%--..,,", "74747474747.4%" };
    QTest::newRow("every triple") << WindowFont() << triples << true;
    QTest::newRow("counts and shares") << WindowFont() << numbers << true;
    QFont large = WindowFont();
    large.setPixelSize(37);
    QTest::newRow("counts and shares, 37 pixels") << large << numbers << true;
    QFont hinted = WindowFont();
    hinted.setHintingPreference(QFont::PreferFullHinting);
    // Hinted, a pair does not always step by the same width ("1111" steps
    // 5.59, 5 and 5 pixels at 8 pt): numbers are left to the text layout.
    QTest::newRow("counts and shares, full hinting") << hinted << numbers << false;
    QTest::newRow("other characters") << WindowFont() << QStringList { "12a", "1 2", "+1", "\u0663", "" } << false;
}

// Counts and shares placed by adding the steps between their glyphs land
// exactly where the text layout puts them.
void TestImageSurface::numbersAreLaidOutAsTheTextLayoutDoes()
{
    QFETCH(QFont, font);
    QFETCH(QStringList, texts);
    QFETCH(bool, numbers);
    NumberLayout layout(font);
    for (const QString& text : texts) {
        const std::optional<std::vector<NumberLayout::Glyph>> glyphs = layout.Of(text);
        QCOMPARE(glyphs.has_value(), numbers);
        if (!glyphs)
            continue;
        QTextLayout full(text, font);
        full.beginLayout();
        const QTextLine line = full.createLine();
        full.endLayout();
        QCOMPARE(layout.ascent(), line.ascent());
        const QList<QGlyphRun> runs = full.glyphRuns();
        QCOMPARE(runs.size(), 1);
        QCOMPARE(runs.first().rawFont(), layout.font());
        QCOMPARE(qsizetype(glyphs->size()), runs.first().glyphIndexes().size());
        for (std::size_t i = 0; i < glyphs->size(); ++i) {
            QCOMPARE((*glyphs)[i].index, runs.first().glyphIndexes()[qsizetype(i)]);
            QCOMPARE((*glyphs)[i].at, runs.first().positions()[qsizetype(i)]);
        }
    }
}

void TestImageSurface::glyphCellsAddUpToTheTextsCoverage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("left"); // where the text starts, in pixels

    QTest::newRow("digits") << QStringLiteral("1377") << 0.0;
    QTest::newRow("share, moved by a fraction") << QStringLiteral("28.86%") << 0.296875;
    QTest::newRow("kerned capitals, far right") << QStringLiteral("AVTo WAVE") << 512.5;
    QTest::newRow("accents and a space") << QStringLiteral("\u00EB \u00E7") << 3.0;
    QTest::newRow("fallback glyph") << QStringLiteral("a\u2713b") << 7.015625;
    QTest::newRow("only a space") << QStringLiteral(" ") << 0.0;
}

// A text's coverage from each glyph's cells, found once per glyph and
// fraction of a pixel and added where the glyph falls, agrees with the
// coverage of the text's whole outline path within one step (the sums add
// up in another order), and a second, cached, finding gives the same.
void TestImageSurface::glyphCellsAddUpToTheTextsCoverage()
{
    QFETCH(QString, text);
    QFETCH(qreal, left);
    const QFont font = WindowFont();
    TextOutlines outlines(font, std::round(QFontMetricsF(font).ascent()));
    std::vector<PlacedGlyph> glyphs = outlines.Placed(text, 1000);
    for (PlacedGlyph& glyph : glyphs)
        glyph.at += QPointF(left, 0);
    TextCoverage coverage;
    QPoint offset;
    const QImage fromCells = coverage.Of(glyphs, offset);
    QPoint again;
    QCOMPARE(coverage.Of(glyphs, again), fromCells);
    QCOMPARE(again, offset);

    const QPainterPath whole = outlines.Of(text, 1000).translated(left, 0);
    if (whole.isEmpty()) {
        QVERIFY(fromCells.isNull());
        return;
    }
    const QImage fromPath = PathCoverage(whole, QRect(offset, fromCells.size()));
    int inked = 0;
    for (int y = 0; y < fromCells.height(); ++y)
        for (int x = 0; x < fromCells.width(); ++x) {
            const int a = fromCells.constScanLine(y)[x];
            const int b = fromPath.constScanLine(y)[x];
            QVERIFY2(std::abs(a - b) <= 1, qPrintable(QStringLiteral("(%1, %2): %3 and %4").arg(x).arg(y).arg(a).arg(b)));
            inked += a > 0 ? 1 : 0;
        }
    QVERIFY(inked > 10);
    // Nothing of the whole path's ink lies outside the area.
    const QRect all = whole.boundingRect().toAlignedRect();
    QVERIFY2(QRect(offset, fromCells.size()).contains(all), qPrintable(QStringLiteral("%1").arg(all.x())));
}

// A text of thousands of characters is laid out only as far as it can
// show, yet shows exactly what laying all of it out would show: every
// character whose glyph begins before the surface's edge is kept, and the
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
        << QStringLiteral("\u200B").repeated(2000) + QString(1000, u'L') << 0 << true << QString(256, u'L');
    QTest::newRow("digits, then right to left") << QString(1000, u'7') + QStringLiteral("\u05E9") << 0 << false << QString();
    QTest::newRow("right to left") << QStringLiteral("\u05E9\u05DC\u05D5\u05DD ").repeated(2000) << 0
                                   << false << QString();
    QTest::newRow("right to left after the edge")
        << QString(300, u'L') + QStringLiteral("\u05E9\u05DC\u05D5\u05DD ").repeated(2000) << 0 << true << QString();
}

void TestImageSurface::longTextIsLaidOutAsFarAsItShows()
{
    QFETCH(QString, text);
    QFETCH(int, x);
    QFETCH(bool, cut);
    QFETCH(QString, same);
    constexpr int kWidth = 639;
    const QFont font = WindowFont();

    const QStringView kept = VisiblePart(text, font, kWidth - x);
    QCOMPARE(kept.size() < text.size(), cut);
    if (!cut)
        return;
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const int lastShowing = line.xToCursor(kWidth - x, QTextLine::CursorOnCharacter);
    QVERIFY2(kept.size() > lastShowing, qPrintable(QStringLiteral("kept %1, the edge at %2").arg(kept.size()).arg(lastShowing)));

    const auto picture = [&](const QString& printed) {
        ImageSurface surface(QSize(kWidth, 40), Qt::white, font);
        surface.SetForeColor(RGB(0, 0, 128));
        surface.SetCurrentX(float(x * 15));
        surface.SetCurrentY(150);
        surface.Print(printed);
        return surface.image();
    };
    QCOMPARE(picture(text), picture(same.isEmpty() ? text.first(256) : same));
}

QTEST_MAIN(TestImageSurface)
#include "tst_image_surface.moc"
