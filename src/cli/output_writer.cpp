// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/output_writer.h"

#include "cli/chunk_reader.h"
#include "cli/link_chain.h"
#include "cli/signal_cleanup.h"
#include "cli/system_error.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cellaro::cli {

namespace {

constexpr qsizetype kBufferBytes = 64 * 1024;

mode_t CurrentUmask()
{
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

// The mode the replacement gets: the target's permissions, or what a new
// file made by open(..., 0666) would get. Never set-user-ID, set-group-ID
// or sticky: the replacement belongs to whoever runs the tool.
mode_t ReplacementMode(const struct stat* existing)
{
    if (existing)
        return existing->st_mode & 0777;
    return 0666 & ~CurrentUmask();
}

// ".name.XXXXXX" beside the target, its name cut short (at a character's
// start) where the whole would exceed the folder's longest name: a
// temporary name fits wherever the target's name does.
QByteArray TemporaryPattern(const QString& target)
{
    const QFileInfo info(target);
    const QByteArray folder = QFile::encodeName(info.path());
    QByteArray name = QFile::encodeName(info.fileName());
    const long longest = pathconf(folder.constData(), _PC_NAME_MAX);
    const qsizetype room = (longest > 0 ? longest : NAME_MAX) - qsizetype(sizeof ".." - 1 + 6);
    if (name.size() > room) {
        qsizetype cut = std::max<qsizetype>(room, 0);
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name.truncate(cut);
    }
    return folder + "/." + name + ".XXXXXX";
}

// Errors of creating a file in the folder that are the folder's own, not
// the path's: the message then names the folder.
bool FolderRefuses(int error) { return error == EACCES || error == EPERM || error == EROFS; }

} // namespace

OutputWriter::OutputWriter(const QString& path, const StandardOutput& standardOutput)
    : name_(OutputName(path))
{
    buffer_.reserve(kBufferBytes);
    open(path, standardOutput);
}

OutputWriter::~OutputWriter() { discard(); }

void OutputWriter::open(const QString& path, const StandardOutput& standardOutput)
{
    if (path == kStandardStream)
        return useDescriptor(1, standardOutput);
    const std::variant<LinkEnd, ForeignLink, int> end = FollowLinks(path);
    if (const int* error = std::get_if<int>(&end)) {
        fail(*error);
        return;
    }
    if (const ForeignLink* foreign = std::get_if<ForeignLink>(&end)) {
        failWith(QStringLiteral("a symbolic link of another user in a sticky world-writable folder is not "
                                "followed (%1)").arg(OutputName(foreign->link)));
        return;
    }
    const LinkEnd& target = std::get<LinkEnd>(end);
    if (target.descriptor)
        return useDescriptor(*target.descriptor, standardOutput);
    struct stat status;
    const QByteArray encoded = QFile::encodeName(target.path);
    const bool exists = lstat(encoded.constData(), &status) == 0;
    if (!exists && errno != ENOENT) {
        fail(errno);
        return;
    }
    if (!exists || S_ISREG(status.st_mode))
        return openReplacement(target.path);
    openDirect(target.path);
}

void OutputWriter::useDescriptor(int descriptor, const StandardOutput& standardOutput)
{
    if (descriptor == 1) {
        if (standardOutput.closed)
            fail(EBADF);
        else
            descriptor_ = standardOutput.descriptor;
        return;
    }
    // A descriptor the tool was started with (/dev/stderr, /dev/fd/5 from
    // the shell's 5>file). Those the tool opened itself (the toolkit's event
    // descriptor, say) are all close-on-exec, which no inherited one can be,
    // and are not an output anyone asked for.
    const int flags = fcntl(descriptor, F_GETFD);
    if (flags == -1 || (flags & FD_CLOEXEC)) {
        fail(EBADF);
        return;
    }
    // A copy, so closing it when done leaves the original to its owner.
    descriptor_ = fcntl(descriptor, F_DUPFD_CLOEXEC, 3);
    if (descriptor_ < 0)
        fail(errno);
}

void OutputWriter::openReplacement(const QString& target)
{
    struct stat existing;
    targetPath_ = QFile::encodeName(target);
    const bool exists = stat(targetPath_.constData(), &existing) == 0;
    // As "cp" and ">" do, a file its writer may not write is left alone,
    // though the folder would let a new file take its place.
    if (exists && faccessat(AT_FDCWD, targetPath_.constData(), W_OK, AT_EACCESS) != 0) {
        fail(errno);
        return;
    }
    QByteArray pattern = TemporaryPattern(target);
    descriptor_ = mkostemp(pattern.data(), O_CLOEXEC);
    if (descriptor_ < 0) {
        const int error = errno;
        if (!FolderRefuses(error))
            fail(error);
        else
            failWith(QStringLiteral("its folder %1 cannot be written: %2")
                         .arg(OutputName(QFileInfo(target).path()), SystemErrorText(error)));
        return;
    }
    temporaryPath_ = pattern;
    RemoveOnSignal(temporaryPath_);
    if (fchmod(descriptor_, ReplacementMode(exists ? &existing : nullptr)) != 0)
        fail(errno);
}

void OutputWriter::openDirect(const QString& target)
{
    // No O_TRUNC: a device or FIFO has nothing to truncate, and the shell's
    // redirection already chose between replacing and appending.
    descriptor_ = ::open(QFile::encodeName(target).constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (descriptor_ < 0)
        fail(errno);
}

bool OutputWriter::write(std::string_view bytes)
{
    if (!error_.isEmpty())
        return false;
    buffer_.append(bytes.data(), qsizetype(bytes.size()));
    return buffer_.size() < kBufferBytes || flush();
}

bool OutputWriter::flush()
{
    qsizetype done = 0;
    while (done < buffer_.size()) {
        const ssize_t written = ::write(descriptor_, buffer_.constData() + done, std::size_t(buffer_.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return fail(errno);
        done += written;
    }
    buffer_.clear();
    return true;
}

bool OutputWriter::finish()
{
    if (!error_.isEmpty() || !flush())
        return false;
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (close(descriptor) != 0 && errno != EINTR)
        return fail(errno);
    if (temporaryPath_.isEmpty())
        return true;
    if (rename(temporaryPath_.constData(), targetPath_.constData()) != 0)
        return fail(errno);
    KeepOnSignal();
    temporaryPath_.clear();
    return true;
}

bool OutputWriter::fail(int error) { return failWith(SystemErrorText(error)); }

bool OutputWriter::failWith(const QString& reason)
{
    if (error_.isEmpty())
        error_ = QStringLiteral("cannot write %1: %2").arg(name_, reason);
    discard();
    return false;
}

void OutputWriter::discard()
{
    if (descriptor_ >= 0)
        close(descriptor_);
    descriptor_ = -1;
    if (!temporaryPath_.isEmpty()) {
        unlink(temporaryPath_.constData());
        KeepOnSignal();
    }
    temporaryPath_.clear();
}

} // namespace cellaro::cli
