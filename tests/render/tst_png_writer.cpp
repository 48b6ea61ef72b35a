// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer's PNG encoder: whatever the settings, the file decodes to the
// very pixels the toolkit's own PNG writer gives back.

#include "render/png_writer.h"
#include "render/rendered_output.h"

#include <QBuffer>
#include <QGuiApplication>
#include "window/pixel_image.h"

#include <QTest>

#include <cstring>

using namespace cellaro;

Q_DECLARE_METATYPE(PaletteUse)

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
    return ImageOf(RenderImage(session).image).copy();
}

// The image's pixels as the writer takes them.
PixelBuffer BufferOf(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    PixelBuffer pixels(rgb.width(), rgb.height(), 0);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(pixels.row(y), rgb.constScanLine(y), sizeof(Pixel) * std::size_t(rgb.width()));
    return pixels;
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
        QTest::addColumn<PaletteUse>("paletteUse");
        QTest::addColumn<bool>("palette"); // written as palette indexes

        const auto fewColours = PaletteUse::WhenFewColours;
        QTest::newRow("picture with texts") << Picture(121, 7) << fewColours << false;
        QTest::newRow("gradient") << Gradient(QImage::Format_RGB32) << fewColours << false;
        QTest::newRow("256 colours") << Colours(256) << fewColours << true;
        QTest::newRow("257 colours") << Colours(257) << fewColours << false;
        QTest::newRow("256 colours, palette not wanted") << Colours(256) << PaletteUse::Never << false;
        QTest::newRow("grid without texts") << Picture(200, 4) << fewColours << true;
        QTest::newRow("grid without texts, RGB") << Picture(200, 4) << PaletteUse::Never << false;
        QTest::newRow("one pixel") << Gradient(QImage::Format_RGB32).copy(3, 4, 1, 1) << fewColours << true;
        // Rows longer than deflate's 32 KiB window: no match reaches the row above.
        QTest::newRow("rows wider than the window") << Stripes(11000, 4) << fewColours << false;
        QTest::newRow("rows just inside the window") << Stripes(10922, 4) << fewColours << false;
        QTest::newRow("repeated rows wider than the window") << Stripes(11000, 1).scaled(11000, 3) << fewColours << false;
        QTest::newRow("repeated rows, a tail of 1 after 258s")
            << Stripes(86, 1).scaled(86, 5) << PaletteUse::Never << false;
        QTest::newRow("repeated rows, a tail of 2 after 258s")
            << Stripes(172, 1).scaled(172, 5) << PaletteUse::Never << false;
    }

    void samePixelsAsTheToolkitWriter()
    {
        QFETCH(QImage, image);
        QFETCH(PaletteUse, paletteUse);
        const QByteArray png = EncodePng(BufferOf(image), paletteUse);
        QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
        constexpr int kColourTypeOffset = 8 + 8 + 9; // signature, chunk head, IHDR fields before it
        QFETCH(bool, palette);
        QCOMPARE(int(png[kColourTypeOffset]), palette ? 3 : 2);
        const QImage ours = Decoded(png);
        QCOMPARE(ours.size(), image.size());
        QCOMPARE(ours, Decoded(ToolkitPng(image)));
        QCOMPARE(ours, image.convertToFormat(QImage::Format_RGB32));
    }

    // Image viewers read what the picture is from its text chunks: Latin-1
    // as tEXt, anything else as UTF-8 in iTXt.
    void textsSayWhatThePictureShows_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QByteArray>("chunk");
        QTest::newRow("Latin-1") << QString::fromUtf8("1 qelizë, 1 rresht, 1 shtyllë; skema Gri; pragu 0") << QByteArray("tEXt");
        QTest::newRow("beyond Latin-1") << QString::fromUtf8("Bosh; skema Gri; pragu ∞") << QByteArray("iTXt");
    }

    void textsSayWhatThePictureShows()
    {
        QFETCH(QString, description);
        const PngTexts texts { { "Software", QStringLiteral("Cellaro 1.00") }, { "Description", description } };
        const QByteArray png = EncodePng(BufferOf(Colours(3)), PaletteUse::WhenFewColours, texts);
        QFETCH(QByteArray, chunk);
        QVERIFY(png.contains(chunk + "Description"));
        const QImage decoded = QImage::fromData(png, "PNG");
        QCOMPARE(decoded.text("Software"), QStringLiteral("Cellaro 1.00"));
        QCOMPARE(decoded.text("Description"), description);
        QCOMPARE(Decoded(png), Colours(3));
    }

    // One pixel stands for a screen pixel at 96 dots per inch.
    void resolutionIsTheScreens()
    {
        const QImage decoded = QImage::fromData(EncodePng(BufferOf(Gradient(QImage::Format_RGB32))), "PNG");
        QCOMPARE(decoded.dotsPerMeterX(), 3780);
        QCOMPARE(decoded.dotsPerMeterY(), 3780);
    }
};

QTEST_MAIN(TestPngWriter)
#include "tst_png_writer.moc"
