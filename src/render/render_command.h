#pragma once
// The whole cellaro-render command, from its arguments to its exit code,
// with the standard streams passed in so it runs in-process as well.

#include "render/render_options.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

#include <optional>

namespace cellaro {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitBadInput = 1; // unreadable list, rejected list, unwritable output
inline constexpr int kExitUsage = 2;    // unknown option or scheme, no output

struct CommandStreams {
    QIODevice* input = nullptr;  // read for "--list -"
    QIODevice* output = nullptr; // help, version, dump, and "-o -"
    QString errors;              // lines for standard error, each ending in a line feed
};

// Help, version and usage errors, answered from the arguments alone: they
// need no application object. Nothing when the arguments ask for a picture.
std::optional<int> AnswerWithoutDrawing(const ParsedArguments& parsed, CommandStreams& streams);

// Never leaves a partial output file: the picture is written beside the
// target under a temporary name and renamed over it once complete.
int RunRenderCommand(const QStringList& arguments, CommandStreams& streams);

} // namespace cellaro
