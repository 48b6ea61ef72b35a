#include "cli/output_writer.h"

#include "cli/chunk_reader.h"
#include "cli/link_chain.h"
#include "cli/system_error.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
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
    const std::variant<LinkEnd, int> end = FollowLinks(path);
    if (const int* error = std::get_if<int>(&end)) {
        fail(*error);
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
    const QFileInfo info(target);
    QByteArray pattern = QFile::encodeName(info.path() + QStringLiteral("/.") + info.fileName())
        + ".XXXXXX";
    descriptor_ = mkostemp(pattern.data(), O_CLOEXEC);
    if (descriptor_ < 0) {
        fail(errno);
        return;
    }
    temporaryPath_ = pattern;
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
    temporaryPath_.clear();
    return true;
}

bool OutputWriter::fail(int error)
{
    if (error_.isEmpty())
        error_ = QStringLiteral("cannot write %1: %2").arg(name_, SystemErrorText(error));
    discard();
    return false;
}

void OutputWriter::discard()
{
    if (descriptor_ >= 0)
        close(descriptor_);
    descriptor_ = -1;
    if (!temporaryPath_.isEmpty())
        unlink(temporaryPath_.constData());
    temporaryPath_.clear();
}

} // namespace cellaro::cli
