#pragma once
// The whole cellaro-render command, from its arguments to its exit status,
// with the standard streams passed in so it runs in-process as well.

#include "cli/command_streams.h"
#include "render/render_options.h"

#include <QStringList>

#include <optional>

namespace cellaro {

// Help, version and usage errors, answered from the arguments alone: they
// need no application object. Nothing when the arguments ask for a picture.
std::optional<int> AnswerWithoutDrawing(const ParsedArguments& parsed, cli::CommandStreams& streams);

// The list is read as it arrives, up to kMaxListBytes; the output goes
// through cli::OutputWriter, so a failed run leaves an existing file as it
// was and a device, a pipe or /dev/stdout is written into, not replaced.
int RunRenderCommand(const QStringList& arguments, cli::CommandStreams& streams);

} // namespace cellaro
