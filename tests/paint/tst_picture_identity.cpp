// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's backing image must hold exactly the picture the drawing
// operations describe, however the image surface gets its pixels there.
// Each row runs the same Shows on a recording surface and on an image
// surface; the recorded operations are then drawn the plain way (a pen and
// a brush per box, a fresh text painter per text) and the two pictures must
// agree pixel for pixel.

#include "paint/grid_painter.h"
#include "paint/start_up.h"
#include "surface/image_surface.h"
#include "surface/recording_surface.h"
#include "surface/twips.h"
#include "surface/default_font.h"
#include "surface/text_painter.h"
#include "surface/window_defaults.h"

#include <QPainter>
#include <QTest>

#include <algorithm>

using namespace cellaro;

namespace {

const QSize kClientSize(800, 640);

// `entries` lines "w<i>,<count>" with counts scattered over 0..499, shifted
// by `offset` (a negative offset lets negative counts in).
QString ListOf(int entries, int offset = 0)
{
    QString text;
    for (int i = 0; i < entries; ++i)
        text += QStringLiteral("w%1,%2\r\n").arg(i).arg((i * 7919 + 13) % 500 + offset);
    return text;
}

QColor ToColour(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

// The pixels a box covers: both corners included.
QRect PixelBox(const DrawOp& box)
{
    const QPoint first(TwipsToPixels(std::min(box.x1, box.x2)), TwipsToPixels(std::min(box.y1, box.y2)));
    const QPoint second(TwipsToPixels(std::max(box.x1, box.x2)), TwipsToPixels(std::max(box.y1, box.y2)));
    return QRect(first, second);
}

void DrawBox(QPainter& painter, const DrawOp& box)
{
    painter.setPen(QPen(ToColour(box.colour), 1));
    if (box.fillStyle == BoxFill::Solid)
        painter.setBrush(ToColour(box.fill));
    else
        painter.setBrush(Qt::NoBrush);
    // A 1-pixel pen strokes one pixel outside the rectangle's width and
    // height, so this outlines exactly the box's corner pixels.
    const QRect pixels = PixelBox(box);
    painter.drawRect(pixels.x(), pixels.y(), pixels.width() - 1, pixels.height() - 1);
}

// Each text drawn by a painter of its own, so no glyph drawn for another
// text is reused.
void DrawText(PixelBuffer& pixels, const DrawOp& print)
{
    TextPainter fresh(kPictureTextPixels);
    fresh.Print(pixels, TwipsToPixels(print.x1), TwipsToPixels(print.y1), print.text, OpaquePixel(print.colour));
}

PixelBuffer ReferencePicture(const QList<DrawOp>& ops)
{
    PixelBuffer pixels(kClientSize.width(), kClientSize.height(), OpaquePixel(kWindowBackground));
    // The toolkit paints the boxes straight into the buffer.
    QImage image(reinterpret_cast<uchar*>(pixels.pixels.data()), pixels.width, pixels.height,
                 pixels.width * qsizetype(sizeof(Pixel)), QImage::Format_RGB32);
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Cls) {
            QPainter(&image).fillRect(image.rect(), ToColour(kWindowBackground));
        } else if (op.kind == DrawOp::Box) {
            QPainter painter(&image);
            DrawBox(painter, op);
        } else if (op.kind == DrawOp::Print) {
            DrawText(pixels, op);
        }
    }
    return pixels;
}

// Where the picture first differs from the reference drawing of `ops`, and
// how many pixels do; empty when they agree.
QString Difference(const PixelBuffer& actual, const QList<DrawOp>& ops)
{
    const PixelBuffer expected = ReferencePicture(ops);
    if (actual.width != expected.width || actual.height != expected.height)
        return QStringLiteral("sizes differ");
    int differing = 0;
    QString first;
    for (int y = 0; y < actual.height; ++y)
        for (int x = 0; x < actual.width; ++x) {
            const Pixel a = actual.at(x, y);
            const Pixel e = expected.at(x, y);
            if (a != e && differing++ == 0)
                first = QStringLiteral("first at (%1, %2): %3 instead of %4")
                            .arg(x)
                            .arg(y)
                            .arg(a & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                            .arg(e & 0xFFFFFF, 6, 16, QLatin1Char('0'));
        }
    return differing == 0 ? QString() : QStringLiteral("%1 pixels differ, %2").arg(differing).arg(first);
}

} // namespace

class TestPictureIdentity : public QObject {
    Q_OBJECT

private slots:
    void showsMatchPlainDrawing_data();
    void showsMatchPlainDrawing();
    void manyDifferentTextsMatchPlainDrawing();
};

// Each row: a list, a threshold, the schemes shown one after the other, and
// how many Paint events redraw the last picture without clearing it.
void TestPictureIdentity::showsMatchPlainDrawing_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<QList<int>>("schemes");
    QTest::addColumn<int>("repaints");

    for (int entries : { 36, 121, 1296, 10000 })
        for (int scheme : { 0, 4, 7 })
            QTest::addRow("%d entries, scheme %d", entries, scheme)
                << ListOf(entries) << "0" << QList<int> { scheme } << 0;

    // Outlines change from teal to the box's own colour above 100 entries;
    // both sides of the switch, in a shade and in a palette scheme.
    for (int entries : { 100, 101 })
        for (int scheme : { 1, 5 })
            QTest::addRow("%d entries, scheme %d", entries, scheme)
                << ListOf(entries) << "0" << QList<int> { scheme } << 0;

    QTest::addRow("one entry, a box as large as the grid")
        << QStringLiteral("a,7\n") << "0" << QList<int> { 2 } << 0;
    QTest::addRow("repaints over the picture, 121 entries")
        << ListOf(121) << "0" << QList<int> { 3 } << 2;
    QTest::addRow("repaints over the picture, 10000 entries")
        << ListOf(10000) << "0" << QList<int> { 6 } << 2;
    // Negative counts reach palette entries an earlier scheme wrote.
    QTest::addRow("negative counts after other schemes, 121 entries")
        << ListOf(121, -250) << "-1000" << QList<int> { 5, 7, 4 } << 0;
    QTest::addRow("negative counts after other schemes, 10000 entries")
        << ListOf(10000, -250) << "-1000" << QList<int> { 5, 6, 4 } << 1;
    // No current scheme: every box keeps the fill colour the surface has.
    QTest::addRow("no scheme, 36 entries") << ListOf(36) << "0" << QList<int> { 7, -1 } << 0;
    QTest::addRow("no scheme, 1296 entries") << ListOf(1296) << "0" << QList<int> { 4, -1 } << 0;
    QTest::addRow("counts cancelling out, no shares printed")
        << QStringLiteral("p,5\nq,-5\n") << "-10" << QList<int> { 0 } << 0;
}

void TestPictureIdentity::showsMatchPlainDrawing()
{
    QFETCH(QString, list);
    QFETCH(QString, threshold);
    QFETCH(QList<int>, schemes);
    QFETCH(int, repaints);

    FormState recordedForm = StartUpFormState();
    FormState drawnForm = StartUpFormState();
    RecordingSurface recording;
    ImageSurface image(kClientSize.width(), kClientSize.height(), kWindowBackground);
    for (int scheme : schemes) {
        const ShowInputs inputs { list, threshold };
        QVERIFY(!ShowList(recordedForm, inputs, Int16(scheme), recording));
        QVERIFY(!ShowList(drawnForm, inputs, Int16(scheme), image));
    }
    for (int i = 0; i < repaints; ++i) {
        PaintGrid(recordedForm, Int16(schemes.last()), recording);
        PaintGrid(drawnForm, Int16(schemes.last()), image);
    }

    QVERIFY2(!recording.boxes().isEmpty(), "the row must draw something");
    const QString difference = Difference(image.pixels(), recording.ops());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

// Twelve Shows of different 121-entry lists print far more distinct texts
// than any one picture holds; the last picture must still be exact.
void TestPictureIdentity::manyDifferentTextsMatchPlainDrawing()
{
    FormState recordedForm = StartUpFormState();
    FormState drawnForm = StartUpFormState();
    RecordingSurface recording;
    ImageSurface image(kClientSize.width(), kClientSize.height(), kWindowBackground);
    for (int offset = 0; offset < 12; ++offset) {
        const QString list = ListOf(121, 1000 * offset);
        const ShowInputs inputs { list, u"0" };
        QVERIFY(!ShowList(recordedForm, inputs, Int16(offset % 8), recording));
        QVERIFY(!ShowList(drawnForm, inputs, Int16(offset % 8), image));
        const QString difference = Difference(image.pixels(), recording.ops());
        QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("Show %1: %2").arg(offset).arg(difference)));
    }
}

QTEST_MAIN(TestPictureIdentity)
#include "tst_picture_identity.moc"
