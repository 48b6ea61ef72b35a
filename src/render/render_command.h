#pragma once
// The whole cellaro-render command, from its arguments to its exit code,
// with the standard streams passed in so it runs in-process as well.

#include <QIODevice>
#include <QString>
#include <QStringList>

namespace cellaro {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitBadInput = 1; // unreadable list, rejected list, unwritable output
inline constexpr int kExitUsage = 2;    // unknown option or scheme, no output

struct CommandStreams {
    QIODevice* input = nullptr;  // read for "--list -"
    QIODevice* output = nullptr; // help, version, dump, and "-o -"
    QString errors;              // lines for standard error, each ending in a line feed
};

// Never leaves a partial output file: the picture is written beside the
// target under a temporary name and renamed over it once complete.
int RunRenderCommand(const QStringList& arguments, CommandStreams& streams);

} // namespace cellaro
