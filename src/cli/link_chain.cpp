// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/link_chain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace cellaro::cli {

namespace {

constexpr int kMaxLinks = 40; // as the kernel's own limit for one lookup

QString Absolute(const QString& path)
{
    return QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::currentPath() + u'/' + path);
}

std::optional<QString> LinkText(const QString& path)
{
    char target[PATH_MAX];
    const ssize_t length = readlink(QFile::encodeName(path).constData(), target, sizeof target);
    if (length < 0)
        return std::nullopt;
    return QFile::decodeName(QByteArray(target, length));
}

// A link in a sticky world-writable folder is followed only when its owner
// is the one following it or the folder's owner.
bool MayFollow(const QString& link, const struct stat& linkStatus)
{
    struct stat folder;
    if (stat(QFile::encodeName(QFileInfo(link).path()).constData(), &folder) != 0)
        return true; // the lookup that follows fails with the folder's own error
    const bool stickyAndOpen = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !stickyAndOpen || linkStatus.st_uid == geteuid() || linkStatus.st_uid == folder.st_uid;
}

} // namespace

std::optional<int> OwnDescriptorNamed(const QString& path)
{
    const QString absolute = Absolute(path);
    if (absolute == u"/dev/stdin")
        return 0;
    if (absolute == u"/dev/stdout")
        return 1;
    if (absolute == u"/dev/stderr")
        return 2;
    static const QRegularExpression descriptorPath(
        QStringLiteral("^(?:/dev/fd|/proc/self/fd|/proc/thread-self/fd|/proc/(\\d+)/fd)/(\\d{1,9})$"));
    const QRegularExpressionMatch match = descriptorPath.match(absolute);
    if (!match.hasMatch())
        return std::nullopt;
    if (match.hasCaptured(1) && match.captured(1).toLongLong() != getpid())
        return std::nullopt;
    return match.captured(2).toInt();
}

std::variant<LinkEnd, ForeignLink, int> FollowLinks(const QString& path)
{
    QString current = path;
    for (int step = 0; step <= kMaxLinks; ++step) {
        // Checked before lstat: these links are the kernel's view of an open
        // descriptor, and opening them anew would lose its offset and mode.
        if (const std::optional<int> descriptor = OwnDescriptorNamed(current))
            return LinkEnd { current, descriptor };
        struct stat status;
        if (lstat(QFile::encodeName(current).constData(), &status) != 0) {
            if (errno == ENOENT)
                return LinkEnd { current, std::nullopt };
            return errno;
        }
        if (!S_ISLNK(status.st_mode))
            return LinkEnd { current, std::nullopt };
        if (!MayFollow(current, status))
            return ForeignLink { current };
        const std::optional<QString> target = LinkText(current);
        if (!target)
            return errno;
        current = QDir::isAbsolutePath(*target)
            ? *target
            : QFileInfo(current).path() + u'/' + *target;
    }
    return ELOOP;
}

} // namespace cellaro::cli
