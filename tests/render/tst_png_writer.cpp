// The renderer's PNG encoder: whatever the settings, the file decodes to the
// very pixels the toolkit's own PNG writer gives back.

#include "render/png_writer.h"
#include "render/rendered_output.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QTest>

using namespace cellaro;

Q_DECLARE_METATYPE(PngSettings)

namespace {

QImage Decoded(const QByteArray& png)
{
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

QByteArray ToolkitPng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The picture of a list of `entries` scattered counts: with texts, hence
// thousands of colours, up to 121 entries.
QImage Picture(int entries, Int16 scheme)
{
    QString list;
    for (int i = 0; i < entries; ++i)
        list += QStringLiteral("e%1,%2\n").arg(i).arg((i * 7919 + 13) % 2000);
    Session session;
    if (ReadSession(SessionInputs { list, QStringLiteral("0"), scheme, {} }, session))
        return {};
    return RenderImage(session).image;
}

// Every pixel a different colour, in an odd width, so no row repeats.
QImage Gradient(QImage::Format format)
{
    QImage image(37, 23, format);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7, y * 11, (x * y) % 256));
    return image;
}

// `colours` different colours in runs of three pixels, then the first again.
QImage Colours(int colours)
{
    QImage image(3 * colours + 1, 2, QImage::Format_RGB32);
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < 2; ++y)
            image.setPixel(x, y, qRgb((x / 3) % colours, 200, (x / 3) % colours / 2));
    return image;
}

// Rows of many colours that repeat every other row, `width` pixels wide.
QImage Stripes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 251, (x / 7 + y % 2) % 256, x % 13));
    return image;
}

} // namespace

class TestPngWriter : public QObject {
    Q_OBJECT

private slots:
    void samePixelsAsTheToolkitWriter_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<PngSettings>("settings");
        QTest::addColumn<bool>("palette"); // written as palette indexes

        const QImage texts = Picture(121, 7);
        const PngSettings libpng { PngFilter::Up, 1, true, true, false };
        QTest::newRow("picture with texts, default settings") << texts << PngSettings {} << false;
        QTest::newRow("picture with texts, libpng") << texts << libpng << false;
        QTest::newRow("libpng, no filter, level 6") << texts << PngSettings { PngFilter::None, 6, false, true, false } << false;
        QTest::newRow("libpng, sub, level 1") << texts << PngSettings { PngFilter::Sub, 1, false, true, false } << false;
        QTest::newRow("libpng, up, level 3") << texts << PngSettings { PngFilter::Up, 3, false, true, false } << false;
        QTest::newRow("libpng, paeth, run-length") << texts << PngSettings { PngFilter::Paeth, 1, true, true, false } << false;
        QTest::newRow("gradient, default settings") << Gradient(QImage::Format_RGB32) << PngSettings {} << false;
        QTest::newRow("gradient, libpng, paeth")
            << Gradient(QImage::Format_RGB32) << PngSettings { PngFilter::Paeth, 2, false, true, false } << false;
        QTest::newRow("opaque ARGB32") << Gradient(QImage::Format_ARGB32) << PngSettings {} << false;
        QTest::newRow("RGB888") << Gradient(QImage::Format_RGB888) << PngSettings {} << false;
        QTest::newRow("256 colours") << Colours(256) << PngSettings {} << true;
        QTest::newRow("256 colours, libpng") << Colours(256) << libpng << true;
        QTest::newRow("257 colours") << Colours(257) << PngSettings {} << false;
        QTest::newRow("256 colours, palette not wanted")
            << Colours(256) << PngSettings { PngFilter::Up, 1, true, false } << false;
        QTest::newRow("256 colours, libpng, paeth")
            << Colours(256) << PngSettings { PngFilter::Paeth, 2, false, true, false } << true;
        QTest::newRow("grid without texts") << Picture(200, 4) << PngSettings {} << true;
        QTest::newRow("grid without texts, libpng") << Picture(200, 4) << libpng << true;
        QTest::newRow("one pixel") << Gradient(QImage::Format_RGB32).copy(3, 4, 1, 1) << PngSettings {} << true;
        // Rows longer than deflate's 32 KiB window: no match reaches the row above.
        QTest::newRow("rows wider than the window") << Stripes(11000, 4) << PngSettings {} << false;
        QTest::newRow("rows just inside the window") << Stripes(10922, 4) << PngSettings {} << false;
        const PngSettings rgbOnly { PngFilter::Up, 1, true, false };
        QTest::newRow("repeated rows wider than the window") << Stripes(11000, 1).scaled(11000, 3) << PngSettings {} << false;
        QTest::newRow("repeated rows, a tail of 1 after 258s") << Stripes(86, 1).scaled(86, 5) << rgbOnly << false;
        QTest::newRow("repeated rows, a tail of 2 after 258s") << Stripes(172, 1).scaled(172, 5) << rgbOnly << false;
    }

    void samePixelsAsTheToolkitWriter()
    {
        QFETCH(QImage, image);
        QFETCH(PngSettings, settings);
        const QByteArray png = EncodePng(image, settings);
        QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
        constexpr int kColourTypeOffset = 8 + 8 + 9; // signature, chunk head, IHDR fields before it
        QFETCH(bool, palette);
        QCOMPARE(int(png[kColourTypeOffset]), palette ? 3 : 2);
        const QImage ours = Decoded(png);
        QCOMPARE(ours.size(), image.size());
        QCOMPARE(ours, Decoded(ToolkitPng(image)));
        QCOMPARE(ours, image.convertToFormat(QImage::Format_RGB32));
    }

    void resolutionIsKept()
    {
        QImage image = Gradient(QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(5000);
        const QImage decoded = QImage::fromData(EncodePng(image), "PNG");
        QCOMPARE(decoded.dotsPerMeterX(), 3780);
        QCOMPARE(decoded.dotsPerMeterY(), 5000);
    }
};

QTEST_MAIN(TestPngWriter)
#include "tst_png_writer.moc"
