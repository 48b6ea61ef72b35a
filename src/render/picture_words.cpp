// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/picture_words.h"

#include "paint/cell_names.h"
#include "paint/colour_schemes.h"

namespace cellaro {

// Every Show of a session stores the same table, which the final one draws.

QString PictureSummary(const Session& session)
{
    return GridSummary(DrawnGridOf(session.form.entries)) + QStringLiteral("; skema ")
        + SchemeNames().value(session.scheme, QString::number(session.scheme)) + QStringLiteral("; pragu ")
        + session.thresholdText;
}

QStringList CellTitles(const Session& session)
{
    QStringList titles;
    const int cells = DrawnGridOf(session.form.entries).cells;
    for (int o = 1; o <= cells; ++o)
        titles.append(CellName(session.form.entries, o));
    return titles;
}

} // namespace cellaro
