// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scheme selector's eight items, as the renderer names them on its
// command line: by item text ("Gri" ... "Ngj4") or by index (0..7).

#include "paint/colour_schemes.h"
#include "surface/int16.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace cellaro {

// An item text, matched exactly, or an index 0..7 written in decimal.
std::optional<Int16> SchemeFromText(QStringView text);

// A comma-separated list of schemes; an empty text is an empty list.
// Empty when any element is not a scheme.
std::optional<QList<Int16>> SchemesFromList(QStringView text);

} // namespace cellaro
