#pragma once
// The whole cellaro-count command, from its arguments to its exit status,
// with the standard descriptors passed in so it also runs in-process.

#include "cli/chunk_reader.h"
#include "cli/output_writer.h"

#include <QString>
#include <QStringList>

namespace cellaro::count {

struct CountStreams {
    cli::StandardInput input;   // read for "-"; left open
    cli::StandardOutput output; // help, version, and "-o -"; closed when written
    QString errors;             // lines for standard error, each ending in a line feed
};

int RunCountCommand(const QStringList& arguments, CountStreams& streams);

} // namespace cellaro::count
