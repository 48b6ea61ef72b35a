// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/scheme_choice.h"

namespace cellaro {

std::optional<Int16> SchemeFromText(QStringView text)
{
    const qsizetype byName = SchemeNames().indexOf(text.toString());
    if (byName >= 0)
        return Int16(byName);
    // Exactly one digit: "07", "+1" or " 3" are not item indexes.
    if (text.size() == 1) {
        const int index = text[0].unicode() - u'0';
        if (SchemeAt(index))
            return Int16(index);
    }
    return std::nullopt;
}

std::optional<QList<Int16>> SchemesFromList(QStringView text)
{
    QList<Int16> schemes;
    if (text.isEmpty())
        return schemes;
    for (QStringView part : text.split(u',')) {
        const std::optional<Int16> scheme = SchemeFromText(part);
        if (!scheme)
            return std::nullopt;
        schemes.append(*scheme);
    }
    return schemes;
}

} // namespace cellaro
