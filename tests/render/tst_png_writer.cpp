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

// A list whose picture has texts, hence thousands of colours.
QImage PictureWithTexts()
{
    QString list;
    for (int i = 0; i < 121; ++i)
        list += QStringLiteral("e%1,%2\n").arg(i).arg((i * 7919 + 13) % 2000);
    return RenderImage({ list, QStringLiteral("0"), 7, {} }).image;
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

} // namespace

class TstPngWriter : public QObject {
    Q_OBJECT

private slots:
    void samePixelsAsTheToolkitWriter_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<PngSettings>("settings");

        const QImage texts = PictureWithTexts();
        QTest::newRow("picture with texts, default settings") << texts << PngSettings {};
        QTest::newRow("no filter, level 6") << texts << PngSettings { PngFilter::None, 6, false };
        QTest::newRow("sub, level 1") << texts << PngSettings { PngFilter::Sub, 1, false };
        QTest::newRow("up, level 3") << texts << PngSettings { PngFilter::Up, 3, false };
        QTest::newRow("paeth, run-length") << texts << PngSettings { PngFilter::Paeth, 1, true };
        QTest::newRow("gradient, default settings") << Gradient(QImage::Format_RGB32) << PngSettings {};
        QTest::newRow("gradient, paeth") << Gradient(QImage::Format_RGB32) << PngSettings { PngFilter::Paeth, 2, false };
        QTest::newRow("opaque ARGB32") << Gradient(QImage::Format_ARGB32) << PngSettings {};
        QTest::newRow("RGB888") << Gradient(QImage::Format_RGB888) << PngSettings {};
        QTest::newRow("one pixel") << Gradient(QImage::Format_RGB32).copy(3, 4, 1, 1) << PngSettings {};
    }

    void samePixelsAsTheToolkitWriter()
    {
        QFETCH(QImage, image);
        QFETCH(PngSettings, settings);
        const QByteArray png = EncodePng(image, settings);
        QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
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

QTEST_MAIN(TstPngWriter)
#include "tst_png_writer.moc"
