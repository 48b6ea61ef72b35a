// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
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

// A link the kernel's rule for sticky world-writable folders (such as /tmp)
// would not follow: it lies in such a folder and neither the caller nor
// the folder's owner owns it, so another user may have planted it there.
struct ForeignLink {
    QString link;
};

// Follows every symbolic link of the last component, at most 40 of them,
// where the kernel would follow it (fs.protected_symlinks, whatever that
// setting says). Returns the errno value when the chain cannot be followed.
std::variant<LinkEnd, ForeignLink, int> FollowLinks(const QString& path);

// The descriptor a path names by itself, without following anything.
std::optional<int> OwnDescriptorNamed(const QString& path);

} // namespace cellaro::cli
