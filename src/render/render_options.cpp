#include "render/render_options.h"

#include "cli/command_line.h"
#include "render/list_input.h"
#include "render/scheme_choice.h"

#include <QCommandLineParser>

#include <optional>

namespace cellaro {

namespace {

const QCommandLineOption kListOption(QStringLiteral("list"),
    QStringLiteral("The list text, read as UTF-8 bytes with its line ends as they are "
                   "(\"-\": standard input), at most %1 MiB. Default: the window's default list.")
        .arg(kMaxListBytes / (1024 * 1024)),
    QStringLiteral("FILE"));
const QCommandLineOption kThresholdOption(QStringLiteral("threshold"),
    QStringLiteral("The minimum count, read as the threshold box reads it. Default: \"0\"."),
    QStringLiteral("TEXT"), QStringLiteral("0"));
// The schemes as the command line names them: "Gri, Kuq, ..." and "0..7".
QString SchemeNamesText() { return SchemeNames().join(u", "); }
QString SchemeIndexRange() { return QStringLiteral("0..%1").arg(kSchemeCount - 1); }

const QCommandLineOption kSchemeOption(QStringLiteral("scheme"),
    QStringLiteral("The colour scheme: %1 or its index %2. Default: %3.")
        .arg(SchemeNamesText(), SchemeIndexRange(), SchemeNames().front()),
    QStringLiteral("NAME|INDEX"), SchemeNames().front());
const QCommandLineOption kSchemesBeforeOption(QStringLiteral("schemes-before"),
    QStringLiteral("Comma-separated schemes shown before, in order, so the palette holds "
                   "what they wrote."),
    QStringLiteral("LIST"));
const QCommandLineOption kOutputOption(QStringList { QStringLiteral("o"), QStringLiteral("output") },
    QStringLiteral("The picture file, .png or .svg (\"-\": standard output, with --format)."),
    QStringLiteral("OUT"));
const QCommandLineOption kFormatOption(QStringLiteral("format"),
    QStringLiteral("png or svg, whatever the output's extension."), QStringLiteral("FORMAT"));
const QCommandLineOption kDumpOption(QStringLiteral("dump"),
    QStringLiteral("Print the entry table and the drawing operations (twips, #RRGGBB) "
                   "to standard output instead of a picture."));
const QCommandLineOption kHelpOption(QStringList { QStringLiteral("h"), QStringLiteral("help") },
    QStringLiteral("Print this help and exit."));
const QCommandLineOption kVersionOption(QStringList { QStringLiteral("v"), QStringLiteral("version") },
    QStringLiteral("Print the version and exit."));

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

UsageError Usage(const QString& message)
{
    return UsageError { message + QStringLiteral(" (see --help)") };
}

// Where the picture goes and in which format.
std::optional<UsageError> ReadOutput(const QCommandLineParser& parser, RenderOptions& options)
{
    options.dump = parser.isSet(kDumpOption);
    if (options.dump) {
        if (parser.isSet(kOutputOption))
            return Usage(QStringLiteral("--dump prints to standard output; leave out -o"));
        return std::nullopt;
    }
    if (!parser.isSet(kOutputOption))
        return Usage(QStringLiteral("no output: give -o OUT or --dump"));
    options.outputPath = parser.value(kOutputOption);
    if (options.outputPath.isEmpty())
        return Usage(QStringLiteral("the output path is empty"));

    std::optional<PictureFormat> format;
    if (parser.isSet(kFormatOption)) {
        format = FormatNamed(parser.value(kFormatOption));
        if (!format)
            return Usage(QStringLiteral("unknown format \"%1\": use png or svg")
                             .arg(parser.value(kFormatOption)));
    } else {
        format = FormatOfPath(options.outputPath);
        if (!format)
            return Usage(QStringLiteral("cannot tell the format of \"%1\": name it .png or .svg, "
                                        "or give --format")
                             .arg(options.outputPath));
    }
    options.format = *format;
    return std::nullopt;
}

std::optional<UsageError> ReadSchemes(const QCommandLineParser& parser, RenderOptions& options)
{
    const QString schemeText = parser.value(kSchemeOption);
    const std::optional<Int16> scheme = SchemeFromText(schemeText);
    if (!scheme)
        return Usage(QStringLiteral("unknown scheme \"%1\": use one of %2 or %3")
                         .arg(schemeText, SchemeNamesText(), SchemeIndexRange()));
    options.scheme = *scheme;

    const QString beforeText = parser.value(kSchemesBeforeOption);
    const std::optional<QList<Int16>> before = SchemesFromList(beforeText);
    if (!before)
        return Usage(QStringLiteral("unknown scheme in --schemes-before \"%1\"").arg(beforeText));
    options.schemesBefore = *before;
    return std::nullopt;
}

// The parser's help, with the usage line naming the program and what it needs.
QString HelpText(const QCommandLineParser& parser)
{
    QString text = parser.helpText();
    const qsizetype firstLineEnd = text.indexOf(u'\n');
    return QStringLiteral("Usage: cellaro-render [OPTIONS] -o OUT\n"
                          "       cellaro-render [OPTIONS] --dump")
        + text.sliced(firstLineEnd);
}

} // namespace

ParsedArguments ParseRenderArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the colour grid of a list, as the Cellaro window's Show draws it, "
                       "and writes it as PNG or SVG."));
    parser.addOptions({ kHelpOption, kListOption, kThresholdOption, kSchemeOption, kSchemesBeforeOption,
                        kOutputOption, kFormatOption, kDumpOption, kVersionOption });

    if (!parser.parse(arguments))
        return Usage(parser.errorText());
    if (parser.isSet(kHelpOption))
        return HelpRequest { HelpText(parser) };
    if (parser.isSet(kVersionOption))
        return VersionRequest {};
    if (!parser.positionalArguments().isEmpty())
        return Usage(QStringLiteral("unexpected argument \"%1\"")
                         .arg(parser.positionalArguments().constFirst()));
    if (const std::optional<QString> repeated = cli::RepeatedOption(
            parser, { kListOption, kThresholdOption, kSchemeOption, kSchemesBeforeOption, kOutputOption,
                      kFormatOption }))
        return Usage(*repeated);

    RenderOptions options;
    if (parser.isSet(kListOption))
        options.listPath = parser.value(kListOption);
    options.thresholdText = parser.value(kThresholdOption);
    if (auto error = ReadSchemes(parser, options))
        return *error;
    if (auto error = ReadOutput(parser, options))
        return *error;
    return RenderRequest { options };
}

} // namespace cellaro
