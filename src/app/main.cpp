// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cellaro: one window that turns a list of labelled counts into a colour
// grid. Closing the window ends the program.

#include "app/command_line.h"
#include "app/display_check.h"
#include "window/control_font.h"
#include "surface/product.h"
#include "window/form1.h"
#include "window/identity.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    if (const std::optional<int> answered = cellaro::AnswerCommandLine(argc, argv))
        return *answered;
    std::unique_ptr<QApplication> application;
    {
        const cellaro::DisplayGuard guard(cellaro::CurrentDisplayEnvironment(argc, argv));
        application = std::make_unique<QApplication>(argc, argv);
    }
    QApplication::setApplicationName(QString::fromUtf8(cellaro::kProductName));
    QApplication::setApplicationVersion(cellaro::VersionText());
    QApplication::setDesktopFileName(QStringLiteral("org.cellaro.Cellaro"));
    QApplication::setWindowIcon(cellaro::WindowIcon());
    // QApplication's own setFont also drops the per-widget-class fonts a
    // desktop theme may bring, so every control uses the default font.
    QApplication::setFont(cellaro::UseDefaultFont());

    cellaro::Form1 form;
    form.show();
    return application->exec();
}
