// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A temporary file that must not outlive the process: while one is armed,
// SIGHUP, SIGINT and SIGTERM first remove it and then end the process as
// the signal itself would, so the shell still sees the signal. A signal the
// tool was started with ignored (nohup, a background job) stays ignored.

#include <QByteArray>

namespace cellaro::cli {

// One file at a time: arming again replaces the file named.
void RemoveOnSignal(const QByteArray& path);

// The file is renamed or removed: signals act as before arming.
void KeepOnSignal();

} // namespace cellaro::cli
