// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/render_options.h"

#include "cli/escaped_text.h"
#include "cli/exit_status.h"
#include "render/list_input.h"
#include "render/scheme_choice.h"

#include <QRegularExpression>

#include <optional>

namespace cellaro {

namespace {

const QString kProgram = QStringLiteral("cellaro-render");

// The schemes as the command line names them: "Gri, Kuq, ..." and "0..7".
QString SchemeNamesText() { return SchemeNames().join(u", "); }
QString SchemeIndexRange() { return QStringLiteral("0..%1").arg(kSchemeCount - 1); }

cli::CommandSyntax RenderSyntax()
{
    cli::CommandSyntax syntax;
    syntax.program = kProgram;
    syntax.usages = QStringList { QStringLiteral("[OPTIONS] -o OUT"), QStringLiteral("[OPTIONS] --dump") };
    syntax.summary = QStringLiteral("Draws the colour grid of a list, as the Cellaro window's Show draws it, "
                                    "and writes it as PNG or SVG.");
    syntax.options = {
        { { QStringLiteral("list") }, QStringLiteral("FILE"),
          QStringLiteral("The list text, read as UTF-8 bytes with its line ends as they are "
                         "(\"-\": standard input), at most %1 MiB. Default: the window's default list.")
              .arg(kMaxListBytes / (1024 * 1024)) },
        { { QStringLiteral("threshold") }, QStringLiteral("TEXT"),
          QStringLiteral("The minimum count, read as the threshold box reads it. Default: \"0\".") },
        { { QStringLiteral("scheme") }, QStringLiteral("NAME|INDEX"),
          QStringLiteral("The colour scheme: %1 or its index %2. Default: %3.")
              .arg(SchemeNamesText(), SchemeIndexRange(), SchemeNames().front()) },
        { { QStringLiteral("schemes-before") }, QStringLiteral("LIST"),
          QStringLiteral("Comma-separated schemes shown before, in order, so the palette holds what they wrote.") },
        { { QStringLiteral("o"), QStringLiteral("output") }, QStringLiteral("OUT"),
          QStringLiteral("The picture file, .png or .svg (\"-\": standard output, with --format).") },
        { { QStringLiteral("format") }, QStringLiteral("FORMAT"),
          QStringLiteral("png or svg, whatever the output's extension.") },
        { { QStringLiteral("dump") }, QString(),
          QStringLiteral("Print the entry table and the drawing operations (twips, #RRGGBB) "
                         "to standard output instead of a picture.") },
    };
    syntax.exitStatuses = {
        { cli::kExitDone, QStringLiteral("Done; a list that draws nothing gives the empty picture and a note.") },
        { cli::kExitBadInput, QStringLiteral("Bad input or failed output: an unreadable list, a count outside "
                                             "16 bits or more than 10000 accepted lines (the message names the "
                                             "line), an output that cannot be written.") },
        { cli::kExitUsage, QStringLiteral("Usage: the command line itself is wrong.") },
    };
    return syntax;
}

std::optional<PictureFormat> FormatNamed(const QString& name)
{
    if (name.compare(u"png", Qt::CaseInsensitive) == 0)
        return PictureFormat::Png;
    if (name.compare(u"svg", Qt::CaseInsensitive) == 0)
        return PictureFormat::Svg;
    return std::nullopt;
}

std::optional<PictureFormat> FormatOfPath(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0 || path.indexOf(u'/', dot) >= 0)
        return std::nullopt;
    return FormatNamed(path.mid(dot + 1));
}

using Usage = std::optional<cli::CommandAnswer>;

// A threshold other than a plain number (" 12 ", "-1.5e3") reads as its
// leading number or 0, as the threshold box reads it: "1,000" reads 1.
std::optional<QString> ThresholdNote(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^ *[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)? *$"));
    if (plain.match(text).hasMatch())
        return std::nullopt;
    return QStringLiteral("note: the threshold %1 is not a plain number; it reads as %2")
        .arg(cli::Quoted(text), QString::number(ReadThreshold(text)));
}

// Where the picture goes and in which format.
Usage ReadOutput(const cli::GivenArguments& given, RenderOptions& options)
{
    options.dump = given.isSet(QStringLiteral("dump"));
    const bool output = given.isSet(QStringLiteral("output"));
    if (options.dump)
        return output ? cli::UsageAnswer(QStringLiteral("--dump prints to standard output; leave out -o")) : Usage();
    if (!output)
        return cli::UsageAnswer(QStringLiteral("no output: give -o OUT or --dump"));
    options.outputPath = given.value(QStringLiteral("output"));
    if (options.outputPath.isEmpty())
        return cli::UsageAnswer(QStringLiteral("the output path is empty"));

    std::optional<PictureFormat> format;
    if (given.isSet(QStringLiteral("format"))) {
        const QString name = given.value(QStringLiteral("format"));
        format = FormatNamed(name);
        if (!format)
            return cli::UsageAnswer(QStringLiteral("unknown format %1: use png or svg").arg(cli::Quoted(name)));
    } else {
        format = FormatOfPath(options.outputPath);
        if (!format)
            return cli::UsageAnswer(QStringLiteral("cannot tell the format of %1: name it .png or .svg, "
                                                   "or give --format")
                                        .arg(cli::Quoted(options.outputPath)));
    }
    options.format = *format;
    return std::nullopt;
}

Usage ReadSchemes(const cli::GivenArguments& given, RenderOptions& options)
{
    const QString schemeText = given.value(QStringLiteral("scheme"), SchemeNames().front());
    const std::optional<Int16> scheme = SchemeFromText(schemeText);
    if (!scheme)
        return cli::UsageAnswer(QStringLiteral("unknown scheme %1: use one of %2 or %3")
                                    .arg(cli::Quoted(schemeText), SchemeNamesText(), SchemeIndexRange()));
    options.scheme = *scheme;

    const QString beforeText = given.value(QStringLiteral("schemes-before"));
    const std::optional<QList<Int16>> before = SchemesFromList(beforeText);
    if (!before)
        return cli::UsageAnswer(QStringLiteral("unknown scheme in --schemes-before %1").arg(cli::Quoted(beforeText)));
    options.schemesBefore = *before;
    return std::nullopt;
}

} // namespace

ParsedRenderArguments ParseRenderArguments(const QStringList& arguments)
{
    const cli::ParsedArguments<cli::GivenArguments> parsed = cli::ParseCommandLine(RenderSyntax(), arguments);
    if (const auto* answer = std::get_if<cli::CommandAnswer>(&parsed))
        return *answer;
    const cli::GivenArguments& given = std::get<cli::GivenArguments>(parsed);

    RenderOptions options;
    if (given.isSet(QStringLiteral("list")))
        options.listPath = given.value(QStringLiteral("list"));
    options.thresholdText = given.value(QStringLiteral("threshold"), QStringLiteral("0"));
    if (const std::optional<QString> note = ThresholdNote(options.thresholdText))
        options.notes.append(*note);
    if (Usage error = ReadSchemes(given, options))
        return *error;
    if (Usage error = ReadOutput(given, options))
        return *error;
    return options;
}

} // namespace cellaro
