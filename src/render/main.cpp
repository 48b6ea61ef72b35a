// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// cellaro-render: the grid the window's Show draws, written to a file.

#include "cli/command_line.h"
#include "cli/command_streams.h"
#include "cli/exit_status.h"
#include "render/render_command.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The toolkit's own chatter (a missing runtime directory and the like) would
// break the promise of one line on standard error; only its errors pass.
void KeepToolkitErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

} // namespace

int main(int argc, char* argv[])
{
    // First, before anything opens descriptors of its own: a closed
    // standard stream would hand its number to one of them.
    cellaro::cli::CommandStreams streams = cellaro::cli::StandardStreams();
    qInstallMessageHandler(KeepToolkitErrorsOnly);
    const auto finish = [&](int exitCode) {
        cellaro::cli::WriteErrorLines(streams);
        return exitCode;
    };

    const std::optional<QStringList> decoded
        = cellaro::cli::DecodedArguments(argc, argv, QStringLiteral("cellaro-render"), streams);
    if (!decoded)
        return finish(cellaro::cli::kExitUsage);
    // Help, version and usage errors need no drawing.
    const cellaro::ParsedRenderArguments parsed = cellaro::ParseRenderArguments(*decoded);
    if (const auto* answer = std::get_if<cellaro::cli::CommandAnswer>(&parsed))
        return finish(cellaro::cli::Answer(*answer, streams, QStringLiteral("cellaro-render")));
    const int exitCode = finish(cellaro::RunRenderRequest(std::get<cellaro::RenderOptions>(parsed), streams));
#ifndef CELLARO_FULL_TEARDOWN
    // Everything is written and flushed; freeing memory the process is about
    // to give back would only cost time.
    std::_Exit(exitCode);
#endif
    return exitCode;
}
