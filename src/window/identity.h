// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Who the window says it is: the caption and the icon. The product's name,
// which also titles the message boxes, and its version come from
// surface/product.h.

#include <QIcon>
#include <QString>

namespace cellaro {

// "Cellaro - " followed by the publisher notice.
QString WindowCaption();

// The 32 x 32, 16-colour window icon.
QIcon WindowIcon();

} // namespace cellaro
