// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/stream_names.h"

#include "cli/escaped_text.h"

namespace cellaro::cli {

QString InputName(const QString& path)
{
    return path == kStandardStream ? QStringLiteral("standard input") : Quoted(path);
}

QString OutputName(const QString& path)
{
    return path == kStandardStream ? QStringLiteral("standard output") : Quoted(path);
}

} // namespace cellaro::cli
