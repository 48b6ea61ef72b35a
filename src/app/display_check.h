// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cellaro is a window and nothing else. Where no display can be reached it
// says so in one line and ends with a non-zero status, instead of the
// toolkit's warnings and abort.

#include <QString>
#include <QtGlobal>

#include <optional>

namespace cellaro {

inline constexpr int kNoDisplayExitCode = 1;

struct DisplayEnvironment {
    QString platform;       // QT_QPA_PLATFORM or the -platform argument
    QString display;        // DISPLAY
    QString waylandDisplay; // WAYLAND_DISPLAY
};

DisplayEnvironment CurrentDisplayEnvironment(int argc, char** argv);

// The one line to print when the environment names no display at all; none
// when it names one (or a platform) that the toolkit should try.
std::optional<QString> MissingDisplayLine(const DisplayEnvironment& environment);

// The one line to print when the toolkit could not reach the display named.
QString UnreachableDisplayLine(const DisplayEnvironment& environment);

// While it lives, the toolkit's start-up warnings about the platform are
// held back; a fatal start-up error prints UnreachableDisplayLine() and ends
// the program. Held warnings are passed on when it ends normally.
class DisplayGuard {
public:
    explicit DisplayGuard(DisplayEnvironment environment);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};

} // namespace cellaro
