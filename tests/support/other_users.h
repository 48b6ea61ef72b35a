// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shell functions for rows that run a command as another user: as_nobody
// as an unprivileged user (nobody when the test runs as root, else the
// test's own user), as_other as a second user (uid 12345, root only). They
// end the row's shell with status 77, a skip, where they cannot.

#include <QString>

namespace cellaro::testing {

inline const QString kOtherUsers = QStringLiteral(
    "as_nobody() { if [ \"$(id -u)\" -ne 0 ]; then \"$@\"; "
    "elif command -v setpriv >/dev/null; then setpriv --reuid=65534 --regid=65534 --clear-groups \"$@\"; "
    "else exit 77; fi; }\n"
    "as_other() { { [ \"$(id -u)\" -eq 0 ] && command -v setpriv >/dev/null; } || exit 77; "
    "setpriv --reuid=12345 --regid=12345 --clear-groups \"$@\"; }\n");

} // namespace cellaro::testing
