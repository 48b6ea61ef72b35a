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

// Where the picture's texts take their glyphs from. The machine's fonts
// are always at hand for the letters the built-in font lacks; a fresh
// process that has not used a font yet may instead start its fonts on the
// built-in font alone when that font has every character the picture
// prints, sparing the reading of the machine's font configuration. The
// pixels are the same either way.
enum class FontStart { MachineFonts, BuiltInWhenItCovers };

// The list is read as it arrives, up to kMaxListBytes; the output goes
// through cli::OutputWriter, so a failed run leaves an existing file as it
// was and a device, a pipe or /dev/stdout is written into, not replaced.
int RunRenderCommand(const QStringList& arguments, cli::CommandStreams& streams);
int RunRenderCommand(const QStringList& arguments, cli::CommandStreams& streams, FontStart fonts);

} // namespace cellaro
