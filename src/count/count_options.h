#pragma once
// cellaro-count's command line. Parsing only; nothing is read or written here.

#include "count/count_lines.h"

#include <QString>
#include <QStringList>

#include <variant>

namespace cellaro::count {

struct CountOptions {
    QStringList inputs { QStringLiteral("-") }; // "-": standard input
    QString output = QStringLiteral("-");        // "-": standard output
    CountKind kind = CountKind::Letters;
    LineEnd lineEnd = LineEnd::Lf;
    bool scale = false; // divide by a power of ten instead of refusing large counts
};

struct CountRequest {
    CountOptions options;
};
struct CountHelp {};
struct CountVersion {};
struct CountUsageError {
    QString message;
};

using ParsedCountArguments = std::variant<CountRequest, CountHelp, CountVersion, CountUsageError>;

// `arguments` starts with the program name. With no file, standard input is read.
ParsedCountArguments ParseCountArguments(const QStringList& arguments);

QString CountHelpText();

} // namespace cellaro::count
