// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line as text, and the answers a tool gives from it alone.

#include "cli/command_streams.h"
#include "cli/command_syntax.h"

#include <QStringList>

#include <optional>

namespace cellaro::cli {

// The arguments decoded as UTF-8. A byte sequence that is not UTF-8 would
// decode to replacement characters and name another file than the user's,
// so such an argument is refused instead: one line for `program` in the
// streams' errors, and no arguments.
std::optional<QStringList> DecodedArguments(int argc, char* argv[], const QString& program,
                                            CommandStreams& streams);

// Help and version go to standard output, a usage error to the errors for
// `program`. Returns the exit status.
int Answer(const CommandAnswer& answer, CommandStreams& streams, const QString& program);

} // namespace cellaro::cli
