// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/standard_descriptors.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace cellaro::cli {

namespace {

bool IsClosed(int descriptor) { return fcntl(descriptor, F_GETFD) == -1 && errno == EBADF; }

// Descriptors are checked in rising order and open() returns the lowest free
// number, so /dev/null lands exactly on the closed one.
bool Guard(int descriptor, int flags)
{
    if (!IsClosed(descriptor))
        return false;
    const int opened = open("/dev/null", flags);
    if (opened != descriptor)
        std::abort(); // /dev/null is missing: nothing safe is left to do
    return true;
}

} // namespace

StandardDescriptors GuardStandardDescriptors()
{
    StandardDescriptors found;
    found.inputClosed = Guard(STDIN_FILENO, O_RDONLY);
    found.outputClosed = Guard(STDOUT_FILENO, O_WRONLY);
    Guard(STDERR_FILENO, O_WRONLY);
    return found;
}

} // namespace cellaro::cli
