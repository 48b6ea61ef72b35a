// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "count/count_options.h"

#include "cli/exit_status.h"

namespace cellaro::count {

namespace {

cli::CommandSyntax CountSyntax()
{
    cli::CommandSyntax syntax;
    syntax.program = QStringLiteral("cellaro-count");
    syntax.usages = QStringList { QStringLiteral("[OPTIONS] [FILE]...") };
    syntax.summary = QStringLiteral(
        "Counts the letters of Albanian texts (UTF-8), or the pairs of letters inside words, and writes "
        "them as a list Cellaro shows: one \"label,count\" line per letter (36) or per pair (1296), in the "
        "order of the default list. Several files are counted together; with no FILE, or when FILE is -, "
        "standard input is read.");
    syntax.options = {
        { { QStringLiteral("pairs") }, QString(),
          QStringLiteral("Count pairs of letters that follow each other in a word: line (r - 1) * 36 + c is "
                         "row letter r then column letter c.") },
        { { QStringLiteral("scale") }, QString(),
          QStringLiteral("Divide every count by the smallest power of ten that brings the largest to 32767 or "
                         "below (rounded, a half to even), instead of refusing a count above 32767.") },
        { { QStringLiteral("crlf") }, QString(), QStringLiteral("End lines with CR LF, as the window's list box does.") },
        { { QStringLiteral("o"), QStringLiteral("output") }, QStringLiteral("FILE"),
          QStringLiteral("Write to FILE (\"-\": standard output, the default). A file is replaced only once it "
                         "is completely written.") },
    };
    syntax.takesOperands = true;
    syntax.exitStatuses = {
        { cli::kExitDone, QStringLiteral("Done.") },
        { cli::kExitBadInput, QStringLiteral("Bad input (unreadable or not a text, a count above 32767 without "
                                             "--scale) or failed output.") },
        { cli::kExitUsage, QStringLiteral("Usage: the command line itself is wrong.") },
    };
    return syntax;
}

} // namespace

ParsedCountArguments ParseCountArguments(const QStringList& arguments)
{
    const cli::ParsedArguments<cli::GivenArguments> parsed = cli::ParseCommandLine(CountSyntax(), arguments);
    if (const auto* answer = std::get_if<cli::CommandAnswer>(&parsed))
        return *answer;
    const cli::GivenArguments& given = std::get<cli::GivenArguments>(parsed);

    CountOptions options;
    if (!given.operands.isEmpty())
        options.inputs = given.operands;
    if (options.inputs.contains(QString()))
        return cli::UsageAnswer(QStringLiteral("an input path is empty"));
    options.output = given.value(QStringLiteral("output"), options.output);
    if (options.output.isEmpty())
        return cli::UsageAnswer(QStringLiteral("the output path is empty"));
    options.kind = given.isSet(QStringLiteral("pairs")) ? CountKind::Pairs : CountKind::Letters;
    options.lineEnd = given.isSet(QStringLiteral("crlf")) ? LineEnd::CrLf : LineEnd::Lf;
    options.scale = given.isSet(QStringLiteral("scale"));
    return options;
}

} // namespace cellaro::count
