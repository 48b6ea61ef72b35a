// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders Cellaro's SVG icon as square PNGs for the icon theme:
//   render_icon <icon.svg> <folder> <size>...
// writes <folder>/<size>x<size>/cellaro.png for each size.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QImage Rendered(QSvgRenderer& renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

bool WriteSize(QSvgRenderer& renderer, const QString& folder, int size)
{
    const QString sized = QStringLiteral("%1/%2x%2").arg(folder).arg(size);
    return QDir().mkpath(sized) && Rendered(renderer, size).save(sized + QStringLiteral("/cellaro.png"), "PNG");
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icon <icon.svg> <folder> <size>...\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0 || !WriteSize(renderer, QString::fromLocal8Bit(argv[2]), size)) {
            std::fprintf(stderr, "render_icon: cannot write the %s pixel icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
