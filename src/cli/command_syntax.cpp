// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_syntax.h"

#include "cli/escaped_text.h"
#include "cli/help_text.h"
#include "surface/product.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <algorithm>
#include <optional>

namespace cellaro::cli {

namespace {

// The name messages and GivenArguments use: the first long one.
QString KeyOf(const OptionSpec& option)
{
    const auto found = std::find_if(option.names.cbegin(), option.names.cend(),
                                    [](const QString& name) { return name.size() > 1; });
    return found != option.names.cend() ? *found : option.names.constFirst();
}

QString Spelled(const QString& name) { return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name; }

QCommandLineOption QtOption(const OptionSpec& option)
{
    if (option.valueName.isEmpty())
        return QCommandLineOption(option.names);
    return QCommandLineOption(option.names, QString(), option.valueName);
}

// The first option given more than once, counted over all of its names.
std::optional<QString> RepeatedOption(const QList<OptionSpec>& options, const QStringList& found)
{
    for (const OptionSpec& option : options) {
        const auto times = std::count_if(found.cbegin(), found.cend(),
                                         [&](const QString& name) { return option.names.contains(name); });
        if (times > 1)
            return Spelled(option.names.constFirst()) + QStringLiteral(" is given more than once");
    }
    return std::nullopt;
}

} // namespace

CommandAnswer UsageAnswer(const QString& message)
{
    return CommandAnswer { CommandAnswer::Usage, EscapeControls(message) + QStringLiteral(" (see --help)") };
}

ParsedArguments<GivenArguments> ParseCommandLine(const CommandSyntax& syntax, const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList { QStringLiteral("h"), QStringLiteral("help") });
    const QCommandLineOption version(QStringList { QStringLiteral("v"), QStringLiteral("version") });
    parser.addOption(help);
    parser.addOption(version);
    for (const OptionSpec& option : syntax.options)
        parser.addOption(QtOption(option));

    if (!parser.parse(arguments))
        return UsageAnswer(parser.errorText());
    if (parser.isSet(help))
        return CommandAnswer { CommandAnswer::Help, HelpText(syntax) };
    if (parser.isSet(version))
        return CommandAnswer { CommandAnswer::Version, ProductVersionLine() + u'\n' };
    const QStringList operands = parser.positionalArguments();
    if (!syntax.takesOperands && !operands.isEmpty())
        return UsageAnswer(QStringLiteral("unexpected argument %1").arg(Quoted(operands.constFirst())));
    if (const std::optional<QString> repeated = RepeatedOption(syntax.options, parser.optionNames()))
        return UsageAnswer(*repeated);

    GivenArguments given;
    given.operands = operands;
    for (const OptionSpec& option : syntax.options)
        if (parser.isSet(option.names.constFirst()))
            given.values.insert(KeyOf(option), option.valueName.isEmpty() ? QString() : parser.value(option.names.constFirst()));
    return given;
}

} // namespace cellaro::cli
