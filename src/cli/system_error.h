// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's text for an errno value, as messages quote it.

#include <QString>

namespace cellaro::cli {

QString SystemErrorText(int error);

} // namespace cellaro::cli
