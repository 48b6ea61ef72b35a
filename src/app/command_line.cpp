// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/standard_descriptors.h"

#include <unistd.h>

namespace cellaro {

namespace {

const QString kProgram = QStringLiteral("cellaro");

cli::CommandSyntax WindowSyntax()
{
    cli::CommandSyntax syntax;
    syntax.program = kProgram;
    syntax.usages = QStringList { QStringLiteral("[--help | --version]") };
    syntax.summary = QStringLiteral(
        "Opens the Cellaro window, which turns a list of label,count lines into a colour grid. The window "
        "opens on the display DISPLAY or WAYLAND_DISPLAY names, or on the platform QT_QPA_PLATFORM names.");
    syntax.exitStatuses = {
        { cli::kExitDone, QStringLiteral("The window was closed, or this help or the version was printed.") },
        { cli::kExitBadInput, QStringLiteral("No display to open the window on; one line on standard error "
                                             "says why.") },
        { cli::kExitUsage, QStringLiteral("Usage: the command line itself is wrong.") },
    };
    return syntax;
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char* argv[])
{
    if (argc <= 1)
        return std::nullopt;
    const cli::StandardDescriptors found = cli::GuardStandardDescriptors();
    cli::CommandStreams streams { { STDIN_FILENO, found.inputClosed }, { STDOUT_FILENO, found.outputClosed }, {} };
    const std::optional<QStringList> arguments = cli::DecodedArguments(argc, argv, kProgram, streams);
    std::optional<int> status = cli::kExitUsage;
    if (arguments) {
        const auto parsed = cli::ParseCommandLine(WindowSyntax(), *arguments);
        const auto* answer = std::get_if<cli::CommandAnswer>(&parsed);
        status = answer ? std::optional<int>(cli::Answer(*answer, streams, kProgram)) : std::nullopt;
    }
    cli::WriteErrorLines(streams);
    return status;
}

} // namespace cellaro
