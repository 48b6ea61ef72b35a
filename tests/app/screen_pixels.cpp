// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads pixels of the X screen named by DISPLAY: for every "x,y" argument
// prints "r g b" on a line of its own. The end-to-end test uses it on the
// virtual X server instead of a screenshot file.

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QStringList>
#include <QTextStream>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    if (screen.isNull())
        return 2;
    QTextStream out(stdout);
    for (const QString& argument : application.arguments().mid(1)) {
        const QStringList xy = argument.split(u',');
        if (xy.size() != 2)
            return 2;
        const QColor colour = screen.pixelColor(xy[0].toInt(), xy[1].toInt());
        out << colour.red() << ' ' << colour.green() << ' ' << colour.blue() << '\n';
    }
    return 0;
}
