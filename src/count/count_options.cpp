#include "count/count_options.h"

#include "cli/command_line.h"

#include <QCommandLineParser>

namespace cellaro::count {

namespace {

const QCommandLineOption kOutputOption(QStringList { QStringLiteral("o"), QStringLiteral("output") },
                                       QString(), QStringLiteral("FILE"));
const QCommandLineOption kPairsOption(QStringLiteral("pairs"));
const QCommandLineOption kCrLfOption(QStringLiteral("crlf"));
const QCommandLineOption kScaleOption(QStringLiteral("scale"));
const QCommandLineOption kHelpOption(QStringList { QStringLiteral("h"), QStringLiteral("help") });
const QCommandLineOption kVersionOption(QStringList { QStringLiteral("v"), QStringLiteral("version") });

CountUsageError Usage(const QString& message)
{
    return CountUsageError { message + QStringLiteral(" (see --help)") };
}

} // namespace

QString CountHelpText()
{
    return QStringLiteral(
        "Usage: cellaro-count [OPTIONS] [FILE]...\n"
        "Counts the letters of Albanian texts (UTF-8), or the pairs of letters inside\n"
        "words, and writes them as a list Cellaro shows: one \"label,count\" line per\n"
        "letter (36) or per pair (1296), in the order of the default list. Several\n"
        "files are counted together; with no FILE, or when FILE is -, standard input\n"
        "is read.\n"
        "\n"
        "Options:\n"
        "  --pairs          Count pairs of letters that follow each other in a word:\n"
        "                   line (r - 1) * 36 + c is row letter r then column letter c.\n"
        "  --scale          Divide every count by the smallest power of ten that brings\n"
        "                   the largest to 32767 or below (rounded, a half to even),\n"
        "                   instead of refusing a count above 32767.\n"
        "  --crlf           End lines with CR LF, as the window's list box does.\n"
        "  -o, --output FILE  Write to FILE (- : standard output, the default). A file\n"
        "                   is replaced only once it is completely written.\n"
        "  -h, --help       Print this help and exit.\n"
        "  -v, --version    Print the version and exit.\n"
        "\n"
        "Exit status: 0 done, 1 bad input (unreadable or not a text, a count above\n"
        "32767 without --scale) or failed output, 2 usage.\n");
}

ParsedCountArguments ParseCountArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOptions({ kOutputOption, kPairsOption, kCrLfOption, kScaleOption, kHelpOption, kVersionOption });
    if (!parser.parse(arguments))
        return Usage(parser.errorText());
    if (parser.isSet(kHelpOption))
        return CountHelp {};
    if (parser.isSet(kVersionOption))
        return CountVersion {};
    if (const std::optional<QString> repeated = cli::RepeatedOption(parser, { kOutputOption }))
        return Usage(*repeated);

    CountOptions options;
    if (!parser.positionalArguments().isEmpty())
        options.inputs = parser.positionalArguments();
    if (options.inputs.contains(QString()))
        return Usage(QStringLiteral("an input path is empty"));
    if (parser.isSet(kOutputOption))
        options.output = parser.value(kOutputOption);
    if (options.output.isEmpty())
        return Usage(QStringLiteral("the output path is empty"));
    options.kind = parser.isSet(kPairsOption) ? CountKind::Pairs : CountKind::Letters;
    options.lineEnd = parser.isSet(kCrLfOption) ? LineEnd::CrLf : LineEnd::Lf;
    options.scale = parser.isSet(kScaleOption);
    return CountRequest { options };
}

} // namespace cellaro::count
