// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one line the program prints when it has no display to open on.

#include "app/display_check.h"

#include <QTest>

using namespace cellaro;

class TestDisplayCheck : public QObject {
    Q_OBJECT

private slots:
    void missing_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<bool>("missing");
        QTest::newRow("nothing set") << "" << "" << "" << true;
        QTest::newRow("X display") << "" << ":0" << "" << false;
        QTest::newRow("Wayland display") << "" << "" << "wayland-0" << false;
        QTest::newRow("platform named") << "offscreen" << "" << "" << false;
    }
    void missing()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(bool, missing);
        const auto line = MissingDisplayLine(DisplayEnvironment { platform, display, wayland });
        QCOMPARE(line.has_value(), missing);
        if (line) {
            QVERIFY(!line->contains(u'\n'));
            QVERIFY(line->startsWith(QStringLiteral("Cellaro: ")));
        }
    }

    void unreachable_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("names");
        QTest::newRow("X display") << "" << ":9" << "" << "DISPLAY=\":9\"";
        QTest::newRow("Wayland") << "" << "" << "wayland-1" << "WAYLAND_DISPLAY=\"wayland-1\"";
        QTest::newRow("platform wins") << "xcb" << ":9" << "" << "platform \"xcb\"";
    }
    void unreachable()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(QString, names);
        const QString line = UnreachableDisplayLine(DisplayEnvironment { platform, display, wayland });
        QVERIFY(line.contains(names));
        QVERIFY(!line.contains(u'\n'));
    }

    void platformArgument()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        char program[] = "cellaro";
        char flag[] = "-platform";
        char name[] = "minimal";
        char* argv[] = { program, flag, name, nullptr };
        QCOMPARE(CurrentDisplayEnvironment(3, argv).platform, QStringLiteral("minimal"));
        QCOMPARE(CurrentDisplayEnvironment(1, argv).platform, QStringLiteral("offscreen"));
    }
};

QTEST_GUILESS_MAIN(TestDisplayCheck)
#include "tst_display_check.moc"
