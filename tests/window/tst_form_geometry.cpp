// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Window geometry rules and the window's identity.

#include "window/form_geometry.h"
#include "surface/product.h"
#include "window/identity.h"

#include <QImage>
#include <QSet>
#include <QTest>

using namespace cellaro;

class TestFormGeometry : public QObject {
    Q_OBJECT

private slots:
    void centred_data()
    {
        QTest::addColumn<QSize>("screenPixels");
        QTest::addColumn<QPointF>("position"); // Left, Top in twips
        // The window is 12030 x 10050 twips.
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QPointF(8385, 3075);
        QTest::newRow("800 x 600, negative") << QSize(800, 600) << QPointF(-15, -525);
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << QPointF(3585, 2655);
        QTest::newRow("1366 x 768") << QSize(1366, 768) << QPointF(4230, 735);
        QTest::newRow("no screen") << QSize(0, 0) << QPointF(-6015, -5025);
    }
    void centred()
    {
        QFETCH(QSize, screenPixels);
        QFETCH(QPointF, position);
        QCOMPARE(CentredPosition(float(screenPixels.width() * 15), 12030.0f), float(position.x()));
        QCOMPARE(CentredPosition(float(screenPixels.height() * 15), 10050.0f), float(position.y()));
    }

    void clientPixels_data()
    {
        QTest::addColumn<QSizeF>("outerTwips");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QSize>("client");
        QTest::newRow("no frame") << QSizeF(12030, 10050) << QMargins() << QSize(802, 670);
        QTest::newRow("thin frame") << QSizeF(12030, 10050) << QMargins(2, 2, 2, 2) << QSize(798, 666);
        QTest::newRow("title bar") << QSizeF(12030, 10050) << QMargins(1, 30, 1, 1) << QSize(800, 639);
        QTest::newRow("frame larger than window") << QSizeF(15, 15) << QMargins(5, 5, 5, 5) << QSize(0, 0);
    }
    void clientPixels()
    {
        QFETCH(QSizeF, outerTwips);
        QFETCH(QMargins, frame);
        QFETCH(QSize, client);
        QCOMPARE(ClientPixelsFor(float(outerTwips.width()), float(outerTwips.height()), frame), client);
    }

    void versionText_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.0") << 1 << 0 << "1.00";
        QTest::newRow("2.5") << 2 << 5 << "2.05";
        QTest::newRow("1.10") << 1 << 10 << "1.10";
        QTest::newRow("12.34") << 12 << 34 << "12.34";
    }
    void versionText()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, text);
        QCOMPARE(VersionText(major, minor), text);
    }

    void applicationVersionIsOneHundredths() { QCOMPARE(VersionText(), QStringLiteral("1.00")); }

    void caption()
    {
        const QString caption = WindowCaption();
        QVERIFY(caption.startsWith(QStringLiteral("Cellaro - ")));
        QVERIFY(caption.size() > QStringLiteral("Cellaro - ").size());
    }

    void iconIs32By32In16Colours()
    {
        const QIcon icon = WindowIcon();
        QVERIFY(!icon.isNull());
        const QImage image = icon.pixmap(QSize(32, 32)).toImage();
        QCOMPARE(image.size(), QSize(32, 32));
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY(colours.size() > 1);
        QVERIFY(colours.size() <= 16);
    }
};

QTEST_MAIN(TestFormGeometry)
#include "tst_form_geometry.moc"
