// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/system_error.h"

#include <cstring>

namespace cellaro::cli {

QString SystemErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace cellaro::cli
