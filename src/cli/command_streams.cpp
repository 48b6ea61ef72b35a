// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_streams.h"

#include "cli/exit_status.h"
#include "cli/standard_descriptors.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace cellaro::cli {

CommandStreams StandardStreams()
{
    const StandardDescriptors found = GuardStandardDescriptors();
    // A file size limit then fails the write that reaches it (File too
    // large), which is reported and leaves no temporary file, instead of
    // killing the tool.
    std::signal(SIGXFSZ, SIG_IGN);
    return CommandStreams { { STDIN_FILENO, found.inputClosed }, { STDOUT_FILENO, found.outputClosed }, {} };
}

int WriteOutput(const QString& path, std::string_view bytes, CommandStreams& streams, const QString& program)
{
    OutputWriter writer(path, streams.output);
    if (writer.write(bytes) && writer.finish())
        return kExitDone;
    streams.complain(program, writer.error());
    return kExitBadInput;
}

void WriteErrorLines(const CommandStreams& streams)
{
    const QByteArray bytes = streams.errors.toLocal8Bit();
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t done = write(STDERR_FILENO, bytes.constData() + written, std::size_t(bytes.size() - written));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return;
        written += done;
    }
}

} // namespace cellaro::cli
