// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a tool's messages name its inputs and outputs, always on one line.

#include <QString>
#include <QStringView>

namespace cellaro::cli {

// The path naming standard input or standard output on a command line.
inline constexpr QStringView kStandardStream = u"-";

// "\"x.txt\"" or "standard input". The path is quoted as Quoted() quotes
// it: a line feed in it is written \x0a, so the message stays one line.
QString InputName(const QString& path);

// "\"out.txt\"" or "standard output", written as InputName writes paths.
QString OutputName(const QString& path);

} // namespace cellaro::cli
