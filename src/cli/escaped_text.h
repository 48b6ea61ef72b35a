// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text from the user (a path, a label, an option) as a tool prints it on a
// terminal: the characters a terminal acts on instead of showing them are
// written out, so a message or a dump line can neither change the
// terminal's colours, title or cursor nor reverse the text around it.
//
// Those characters are the C0 controls (U+0000..U+001F), DEL, the C1
// controls (U+0080..U+009F), the line and paragraph separators (U+2028,
// U+2029, which a terminal may show as a break in the line) and the bidi
// embeddings, overrides and isolates (U+202A..U+202E, U+2066..U+2069).
// One below U+0100 is written
// \xNN, one above \uNNNN, in lower-case hex: a line feed is \x0a, ESC
// \x1b, U+202E \u202e.

#include <QString>
#include <QStringView>

namespace cellaro::cli {

bool IsTerminalControl(char16_t c);

// The text with its terminal controls written out; nothing else changes.
QString EscapeControls(QStringView text);

// The text in double quotes, a backslash written \\ and a quote \", and
// its terminal controls written out: "a\"b\\c\x1b".
QString Quoted(QStringView text);

} // namespace cellaro::cli
