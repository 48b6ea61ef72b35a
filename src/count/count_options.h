// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// cellaro-count's command line. Parsing only; nothing is read or written here.

#include "cli/command_syntax.h"
#include "count/count_lines.h"

#include <QString>
#include <QStringList>

namespace cellaro::count {

struct CountOptions {
    QStringList inputs { QStringLiteral("-") }; // "-": standard input
    QString output = QStringLiteral("-");        // "-": standard output
    CountKind kind = CountKind::Letters;
    LineEnd lineEnd = LineEnd::Lf;
    bool scale = false; // divide by a power of ten instead of refusing large counts
};

using ParsedCountArguments = cli::ParsedArguments<CountOptions>;

// `arguments` starts with the program name. With no file, standard input is read.
ParsedCountArguments ParseCountArguments(const QStringList& arguments);

} // namespace cellaro::count
