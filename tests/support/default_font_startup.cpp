// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every test program starts with Cellaro's default font, as the window and
// the renderer do: set as soon as the test's application object exists.

#include "window/control_font.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace {

void UseDefaultFontInGuiTests()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        cellaro::UseDefaultFont();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(UseDefaultFontInGuiTests)
