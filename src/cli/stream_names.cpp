#include "cli/stream_names.h"

namespace cellaro::cli {

namespace {

QString QuotedPath(const QString& path)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : path) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            quoted += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            quoted += c;
    }
    return quoted + u'"';
}

} // namespace

QString InputName(const QString& path)
{
    return path == kStandardStream ? QStringLiteral("standard input") : QuotedPath(path);
}

QString OutputName(const QString& path)
{
    return path == kStandardStream ? QStringLiteral("standard output") : QuotedPath(path);
}

} // namespace cellaro::cli
