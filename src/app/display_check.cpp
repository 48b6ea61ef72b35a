// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display_check.h"

#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace cellaro {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler g_previousHandler = nullptr;
DisplayEnvironment g_environment;
QList<HeldMessage>* g_held = nullptr;

void PrintLineAndExit(const QString& line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(kNoDisplayExitCode);
}

void GuardHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        PrintLineAndExit(UnreachableDisplayLine(g_environment));
    if (g_held)
        g_held->append(HeldMessage { type, QByteArray(context.category), text });
}

QString Quoted(const QString& value) { return u'"' + value + u'"'; }

} // namespace

DisplayEnvironment CurrentDisplayEnvironment(int argc, char** argv)
{
    DisplayEnvironment environment { qEnvironmentVariable("QT_QPA_PLATFORM"),
                                     qEnvironmentVariable("DISPLAY"),
                                     qEnvironmentVariable("WAYLAND_DISPLAY") };
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0)
            environment.platform = QString::fromLocal8Bit(argv[i + 1]);
    return environment;
}

std::optional<QString> MissingDisplayLine(const DisplayEnvironment& environment)
{
    if (!environment.platform.isEmpty() || !environment.display.isEmpty()
        || !environment.waylandDisplay.isEmpty())
        return std::nullopt;
    return QStringLiteral("Cellaro: no display to open the window on "
                          "(neither DISPLAY nor WAYLAND_DISPLAY is set).");
}

QString UnreachableDisplayLine(const DisplayEnvironment& environment)
{
    QString where;
    if (!environment.platform.isEmpty())
        where = QStringLiteral("platform ") + Quoted(environment.platform);
    else if (!environment.display.isEmpty())
        where = QStringLiteral("DISPLAY=") + Quoted(environment.display);
    else
        where = QStringLiteral("WAYLAND_DISPLAY=") + Quoted(environment.waylandDisplay);
    return QStringLiteral("Cellaro: cannot open the window, the display is not reachable (%1).").arg(where);
}

DisplayGuard::DisplayGuard(DisplayEnvironment environment)
{
    if (const auto line = MissingDisplayLine(environment))
        PrintLineAndExit(*line);
    g_environment = std::move(environment);
    g_held = new QList<HeldMessage>;
    g_previousHandler = qInstallMessageHandler(GuardHandler);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(g_previousHandler);
    const QList<HeldMessage> held = std::move(*g_held);
    delete g_held;
    g_held = nullptr;
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace cellaro
