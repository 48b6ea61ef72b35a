// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include "cli/exit_status.h"

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

int Answer(const CommandAnswer& answer, CommandStreams& streams, const QString& program)
{
    if (answer.kind == CommandAnswer::Usage) {
        streams.complain(program, answer.text);
        return kExitUsage;
    }
    const QByteArray text = answer.text.toUtf8();
    return WriteOutput(kStandardStream.toString(), std::string_view(text.constData(), std::size_t(text.size())),
                       streams, program);
}

} // namespace cellaro::cli
