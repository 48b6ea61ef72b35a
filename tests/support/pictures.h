// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures compared as decoded pixels, with a failure that says where they
// differ rather than that two hashes do.

#include <QImage>
#include <QString>

namespace cellaro::testing {

// Empty when the two images have the same size and pixels; otherwise how
// many pixels differ and the first of them.
inline QString PictureDifference(const QImage& actual, const QImage& expected)
{
    if (actual.isNull() || expected.isNull())
        return actual.isNull() ? QStringLiteral("no picture") : QStringLiteral("no reference picture");
    if (actual.size() != expected.size())
        return QStringLiteral("%1 x %2 pixels instead of %3 x %4")
            .arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height());
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage e = expected.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    QString first;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != e.pixel(x, y) && differing++ == 0)
                first = QStringLiteral("first at (%1, %2): %3 instead of %4")
                            .arg(x).arg(y).arg(QColor(a.pixel(x, y)).name(), QColor(e.pixel(x, y)).name());
    return differing == 0 ? QString() : QStringLiteral("%1 pixels differ, %2").arg(differing).arg(first);
}

} // namespace cellaro::testing
