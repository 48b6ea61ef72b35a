// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/escaped_text.h"

namespace cellaro::cli {

namespace {

void AppendEscape(QString& text, char16_t c)
{
    if (c < 0x100)
        text += QStringLiteral("\\x%1").arg(unsigned(c), 2, 16, QChar(u'0'));
    else
        text += QStringLiteral("\\u%1").arg(unsigned(c), 4, 16, QChar(u'0'));
}

} // namespace

bool IsTerminalControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E)
        || (c >= 0x2066 && c <= 0x2069);
}

QString EscapeControls(QStringView text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (IsTerminalControl(c.unicode()))
            AppendEscape(escaped, c.unicode());
        else
            escaped += c;
    }
    return escaped;
}

QString Quoted(QStringView text)
{
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += u'"';
    for (const QChar c : text) {
        if (c == u'\\' || c == u'"')
            quoted += u'\\';
        if (IsTerminalControl(c.unicode()))
            AppendEscape(quoted, c.unicode());
        else
            quoted += c;
    }
    return quoted + u'"';
}

} // namespace cellaro::cli
