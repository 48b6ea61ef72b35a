// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one layout of every tool's --help: the usage lines, the summary,
// the options and the exit statuses, each description in a column of its
// own and every line within 79 characters.

#include "cli/command_syntax.h"

#include <QString>

namespace cellaro::cli {

QString HelpText(const CommandSyntax& syntax);

} // namespace cellaro::cli
