// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tool's command line written once, as a table: the options it takes,
// what --help says about them and about its exit statuses. Every tool
// parses with it, so all of them read options alike (an option given
// twice is a usage error, a flag as much as one with a value), answer
// --help and --version alike, and print their help in one layout.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <variant>

namespace cellaro::cli {

struct OptionSpec {
    QStringList names;   // "o", "output"; messages and lookups use the first long one
    QString valueName;   // "FILE"; empty for a flag
    QString description; // one paragraph; the help wraps it
};

struct ExitStatusSpec {
    int status = 0;
    QString meaning;
};

struct CommandSyntax {
    QString program;
    QStringList usages;        // each follows "Usage: program "
    QString summary;           // the paragraph under the usage lines
    QList<OptionSpec> options; // -h/--help comes first and -v/--version last
    bool takesOperands = false;
    QList<ExitStatusSpec> exitStatuses;
};

// The options and operands a command line gave, by the option's long name.
struct GivenArguments {
    QHash<QString, QString> values; // a flag's value is empty
    QStringList operands;

    bool isSet(const QString& name) const { return values.contains(name); }
    QString value(const QString& name, const QString& fallback = {}) const
    {
        return values.value(name, fallback);
    }
};

// What a tool answers from its command line alone, without doing its work.
struct CommandAnswer {
    enum Kind { Help, Version, Usage };
    Kind kind = Usage;
    QString text; // help or version text for standard output; the usage message
};

// A command line either asks the tool for its work, given as `Request`, or
// gets an answer.
template <typename Request>
using ParsedArguments = std::variant<Request, CommandAnswer>;

// A usage error's one line, with the pointer to --help.
CommandAnswer UsageAnswer(const QString& message);

// `arguments` starts with the program name. Unknown options, missing
// values, repeated options and operands a tool takes none of are usage
// errors; --help wins over everything but an unreadable command line, and
// --version over the rest.
ParsedArguments<GivenArguments> ParseCommandLine(const CommandSyntax& syntax, const QStringList& arguments);

} // namespace cellaro::cli
