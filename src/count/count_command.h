// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole cellaro-count command, from its arguments to its exit status,
// with the standard descriptors passed in so it also runs in-process.

#include "cli/command_streams.h"

#include <QStringList>

namespace cellaro::count {

int RunCountCommand(const QStringList& arguments, cli::CommandStreams& streams);

} // namespace cellaro::count
