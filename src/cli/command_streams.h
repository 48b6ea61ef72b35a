// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The standard streams a command runs with, passed in so the whole command
// also runs in-process: its input and output descriptors (and whether the
// tool found them closed), and the lines it has for standard error.

#include "cli/chunk_reader.h"
#include "cli/escaped_text.h"
#include "cli/output_writer.h"

#include <QString>

#include <string_view>

namespace cellaro::cli {

struct CommandStreams {
    StandardInput input;   // read for "-"; left open
    StandardOutput output; // help, version, "-o -"; closed when written
    QString errors;        // lines for standard error, each ending in a line feed

    // One line for standard error: "program: message", with any terminal
    // control the message holds written out (see escaped_text.h).
    void complain(const QString& program, const QString& message)
    {
        errors += program + QStringLiteral(": ") + EscapeControls(message) + u'\n';
    }
};

// The command's streams as main() finds them once the descriptors are
// guarded; a file size limit fails writes instead of ending the process.
CommandStreams StandardStreams();

// Writes `bytes` whole to `path` ("-": standard output) through an
// OutputWriter. On failure the writer's line goes to the errors for
// `program`, and the status says bad output.
int WriteOutput(const QString& path, std::string_view bytes, CommandStreams& streams, const QString& program);

// Writes the lines for standard error to descriptor 2, which the guard keeps
// open; nothing is left to report a failure to.
void WriteErrorLines(const CommandStreams& streams);

} // namespace cellaro::cli
