// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a command-line tool's whole command in-process, the way its main()
// would, with standard input and output as files in the current folder
// (under names the rows do not use).

#include "cli/command_streams.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include <fcntl.h>
#include <unistd.h>

namespace cellaro::testing {

struct CommandRun {
    int exitCode = -1;
    QByteArray output;
    QStringList errorLines;
};

using Command = int (*)(const QStringList& arguments, cli::CommandStreams& streams);

inline CommandRun RunInProcess(Command command, const QString& program, const QStringList& arguments,
                               const QByteArray& input = {})
{
    CommandRun run;
    QFile in(QStringLiteral(".stdin"));
    if (!in.open(QIODevice::WriteOnly) || in.write(input) != input.size())
        return run;
    in.close();
    const int inDescriptor = open(".stdin", O_RDONLY | O_CLOEXEC);
    const int outDescriptor = open(".stdout", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    cli::CommandStreams streams { { inDescriptor, false }, { outDescriptor, false }, {} };
    run.exitCode = command(QStringList { program } + arguments, streams);
    close(inDescriptor);
    if (fcntl(outDescriptor, F_GETFD) != -1) // the command closes it only when it wrote to it
        close(outDescriptor);
    QFile out(QStringLiteral(".stdout"));
    if (out.open(QIODevice::ReadOnly))
        run.output = out.readAll();
    run.errorLines = streams.errors.split(u'\n', Qt::SkipEmptyParts);
    QFile::remove(QStringLiteral(".stdin"));
    QFile::remove(QStringLiteral(".stdout"));
    return run;
}

} // namespace cellaro::testing
