// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// cellaro-count: the letters, or pairs of letters, of Albanian texts as a
// list Cellaro shows.

#include "cli/command_line.h"
#include "cli/command_streams.h"
#include "cli/exit_status.h"
#include "count/count_command.h"

int main(int argc, char* argv[])
{
    // First, before anything opens a descriptor of its own.
    cellaro::cli::CommandStreams streams = cellaro::cli::StandardStreams();

    const std::optional<QStringList> arguments
        = cellaro::cli::DecodedArguments(argc, argv, QStringLiteral("cellaro-count"), streams);
    const int status = arguments ? cellaro::count::RunCountCommand(*arguments, streams) : cellaro::cli::kExitUsage;
    cellaro::cli::WriteErrorLines(streams);
    return status;
}
