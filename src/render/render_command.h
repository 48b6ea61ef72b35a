// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole cellaro-render command, from its arguments to its exit status,
// with the standard streams passed in so it runs in-process as well.

#include "cli/command_streams.h"
#include "render/render_options.h"

#include <QStringList>

namespace cellaro {


// The list is read as it arrives, up to kMaxListBytes; the output goes
// through cli::OutputWriter, so a failed run leaves an existing file as it
// was and a device, a pipe or /dev/stdout is written into, not replaced.
// Help, version and usage errors are answered from the arguments alone;
// a program that needs an application object to draw parses its arguments
// first, answers those itself (cli::Answer) and runs only the request.
int RunRenderCommand(const QStringList& arguments, cli::CommandStreams& streams);
int RunRenderRequest(const RenderOptions& options, cli::CommandStreams& streams);

} // namespace cellaro
