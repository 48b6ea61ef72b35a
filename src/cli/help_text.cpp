// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/help_text.h"

#include <QList>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace cellaro::cli {

namespace {

constexpr qsizetype kLineWidth = 79;
// A left part longer than this gets a line of its own, so that one long
// option does not push every description to the right.
constexpr qsizetype kLongestColumn = 26;

using Row = std::pair<QString, QString>;

// The words of `text` in lines of at most `width` characters; a word longer
// than that gets a line of its own.
QStringList Wrapped(const QString& text, qsizetype width)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines.append(line);
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

QString Columns(const QList<Row>& rows)
{
    qsizetype column = 0;
    for (const Row& row : rows)
        if (row.first.size() + 2 <= kLongestColumn)
            column = std::max(column, row.first.size() + 2);
    const QString indent(column, u' ');
    QString text;
    for (const Row& row : rows) {
        const QStringList lines = Wrapped(row.second, kLineWidth - column);
        const bool ownLine = row.first.size() + 2 > column;
        text += ownLine ? row.first + u'\n' : row.first.leftJustified(column);
        for (qsizetype i = 0; i < lines.size(); ++i)
            text += (i > 0 || ownLine ? indent : QString()) + lines[i] + u'\n';
        if (lines.isEmpty() && !ownLine)
            text += u'\n';
    }
    return text;
}

QString OptionColumn(const OptionSpec& option)
{
    QString shortName;
    QStringList longNames;
    for (const QString& name : option.names) {
        if (name.size() == 1)
            shortName = u'-' + name;
        else
            longNames.append(QStringLiteral("--") + name);
    }
    QString left = shortName.isEmpty() ? QStringLiteral("      ") : QStringLiteral("  ") + shortName + QStringLiteral(", ");
    left += longNames.join(QStringLiteral(", "));
    if (!option.valueName.isEmpty())
        left += u' ' + option.valueName;
    return left;
}

QString UsageLines(const CommandSyntax& syntax)
{
    QString text;
    for (qsizetype i = 0; i < syntax.usages.size(); ++i)
        text += (i == 0 ? QStringLiteral("Usage: ") : QStringLiteral("       ")) + syntax.program + u' '
            + syntax.usages[i] + u'\n';
    return text;
}

} // namespace

QString HelpText(const CommandSyntax& syntax)
{
    QList<Row> options { { OptionColumn({ { "h", "help" }, {}, {} }), QStringLiteral("Print this help and exit.") } };
    for (const OptionSpec& option : syntax.options)
        options.append({ OptionColumn(option), option.description });
    options.append({ OptionColumn({ { "v", "version" }, {}, {} }), QStringLiteral("Print the version and exit.") });

    QList<Row> statuses;
    for (const ExitStatusSpec& status : syntax.exitStatuses)
        statuses.append({ QStringLiteral("  %1").arg(status.status), status.meaning });

    return UsageLines(syntax) + Wrapped(syntax.summary, kLineWidth).join(u'\n') + QStringLiteral("\n\nOptions:\n")
        + Columns(options) + QStringLiteral("\nExit status:\n") + Columns(statuses);
}

} // namespace cellaro::cli
