// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/identity.h"

#include "surface/product.h"

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

QIcon WindowIcon() { return QIcon(QPixmap(cellaro_xpm)); }

} // namespace cellaro
