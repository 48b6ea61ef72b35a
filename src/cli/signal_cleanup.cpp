// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/signal_cleanup.h"

#include <array>
#include <climits>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace cellaro::cli {

namespace {

constexpr std::array<int, 3> kSignals { SIGHUP, SIGINT, SIGTERM };

// Read by the handler, so written before g_armed is set and only while it
// is clear.
char g_path[PATH_MAX + 1];
volatile sig_atomic_t g_armed = 0;
std::array<struct sigaction, kSignals.size()> g_previous;
std::array<bool, kSignals.size()> g_installed {};

extern "C" void RemoveThenDie(int signal)
{
    if (g_armed)
        unlink(g_path);
    // SA_RESETHAND has put the default action back; the signal raised again
    // waits until this handler returns and then ends the process.
    raise(signal);
}

} // namespace

void RemoveOnSignal(const QByteArray& path)
{
    g_armed = 0;
    if (path.size() > PATH_MAX)
        return;
    std::memcpy(g_path, path.constData(), std::size_t(path.size()) + 1);
    g_armed = 1;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (g_installed[i])
            continue;
        struct sigaction previous {};
        if (sigaction(kSignals[i], nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = RemoveThenDie;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        if (sigaction(kSignals[i], &action, nullptr) == 0) {
            g_previous[i] = previous;
            g_installed[i] = true;
        }
    }
}

void KeepOnSignal()
{
    g_armed = 0;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (g_installed[i])
            sigaction(kSignals[i], &g_previous[i], nullptr);
        g_installed[i] = false;
    }
}

} // namespace cellaro::cli
