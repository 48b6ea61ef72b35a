#pragma once
// The command line as text, and options a tool takes once.

#include "cli/command_streams.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <initializer_list>
#include <optional>

namespace cellaro::cli {

// The arguments decoded as UTF-8. A byte sequence that is not UTF-8 would
// decode to replacement characters and name another file than the user's,
// so such an argument is refused instead: one line for `program` in the
// streams' errors, and no arguments.
std::optional<QStringList> DecodedArguments(int argc, char* argv[], const QString& program,
                                            CommandStreams& streams);

// The message for the first of `options` given more than once, if any.
std::optional<QString> RepeatedOption(const QCommandLineParser& parser,
                                      std::initializer_list<QCommandLineOption> options);

} // namespace cellaro::cli
