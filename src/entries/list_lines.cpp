// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/list_lines.h"

namespace cellaro {

void LineSplitter::carry(QStringView run)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= run.size(); ++i) {
        if (i < run.size() && !IsDroppedCharacter(run[i]))
            continue;
        const QStringView kept = run.sliced(start, i - start);
        if (carriedComma_ < 0) {
            const qsizetype found = kept.indexOf(u',');
            if (found >= 0)
                carriedComma_ = carried_.size() + found;
        }
        carried_.append(kept);
        start = i + 1;
    }
}

} // namespace cellaro
