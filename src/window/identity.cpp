#include "window/identity.h"

#include <QPixmap>

#include "window/cellaro.xpm"

namespace cellaro {

namespace {

const char* const kPublisherNotice = "\u00a9 the Cellaro developers";

} // namespace

QString WindowCaption()
{
    return QString::fromUtf8(kProductName) + QStringLiteral(" - ") + QString::fromUtf8(kPublisherNotice);
}

QString VersionText(int major, int minor)
{
    return QStringLiteral("%1.%2").arg(major).arg(minor, 2, 10, QLatin1Char('0'));
}

QString ApplicationVersionText()
{
    return VersionText(CELLARO_VERSION_MAJOR, CELLARO_VERSION_MINOR);
}

QIcon WindowIcon() { return QIcon(QPixmap(cellaro_xpm)); }

} // namespace cellaro
