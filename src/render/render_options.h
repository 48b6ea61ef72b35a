// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The renderer's command line: which list, threshold and schemes to show,
// and where the picture goes. Parsing only; nothing is read or written here.

#include "cli/command_syntax.h"
#include "surface/int16.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace cellaro {

enum class PictureFormat { Png, Svg };

struct RenderOptions {
    std::optional<QString> listPath;     // none: the window's default list
    QString thresholdText = QStringLiteral("0");
    Int16 scheme = 0;
    QList<Int16> schemesBefore;          // shown first, in order, for their palette
    QString outputPath;                  // empty only with dump
    PictureFormat format = PictureFormat::Png;
    bool dump = false;                   // table and drawing ops to stdout instead
    QStringList notes;                   // how odd arguments read; "note: ..."
};

using ParsedRenderArguments = cli::ParsedArguments<RenderOptions>;

// `arguments` starts with the program name, as QCoreApplication::arguments().
ParsedRenderArguments ParseRenderArguments(const QStringList& arguments);

} // namespace cellaro
