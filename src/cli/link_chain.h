#pragma once
// Where a path written to really ends: the last target of its chain of
// symbolic links, or one of the tool's own open descriptors when the path
// names it (/dev/stdout, /dev/fd/N, /proc/self/fd/N).

#include <QString>

#include <optional>
#include <variant>

namespace cellaro::cli {

struct LinkEnd {
    QString path;                  // the final target; it need not exist
    std::optional<int> descriptor; // set: write into this descriptor of ours instead
};

// Follows every symbolic link of the last component, at most 40 of them.
// Returns the errno value when the chain cannot be followed.
std::variant<LinkEnd, int> FollowLinks(const QString& path);

// The descriptor a path names by itself, without following anything.
std::optional<int> OwnDescriptorNamed(const QString& path);

} // namespace cellaro::cli
