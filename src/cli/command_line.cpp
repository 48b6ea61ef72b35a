#include "cli/command_line.h"

#include <QStringDecoder>

#include <cstring>

namespace cellaro::cli {

std::optional<QStringList> DecodedArguments(int argc, char* argv[], const QString& program,
                                            CommandStreams& streams)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        QString argument = decoder.decode(QByteArrayView(argv[i], qsizetype(std::strlen(argv[i]))));
        if (decoder.hasError()) {
            streams.complain(program, QStringLiteral("argument %1 is not valid UTF-8").arg(i));
            return std::nullopt;
        }
        arguments.append(std::move(argument));
    }
    return arguments;
}

std::optional<QString> RepeatedOption(const QCommandLineParser& parser,
                                      std::initializer_list<QCommandLineOption> options)
{
    for (const QCommandLineOption& option : options)
        if (parser.values(option).size() > 1) {
            const QString name = option.names().constFirst();
            return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name
                + QStringLiteral(" is given more than once");
        }
    return std::nullopt;
}

} // namespace cellaro::cli
