// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/chunk_reader.h"

#include "cli/system_error.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace cellaro::cli {

namespace {

QString CannotRead(const QString& path, const QString& reason)
{
    return QStringLiteral("cannot read %1: %2").arg(InputName(path), reason);
}

// Reads until end of input, the consumer's decision, an error or the limit.
std::optional<QString> ReadDescriptor(int descriptor, const QString& path, const ReadLimits& limits,
                                      const ChunkConsumer& consumer)
{
    const std::unique_ptr<char[]> buffer(new char[limits.chunkBytes]);
    std::int64_t total = 0;
    for (;;) {
        const ssize_t got = read(descriptor, buffer.get(), limits.chunkBytes);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return CannotRead(path, SystemErrorText(errno));
        if (got == 0)
            return std::nullopt;
        total += got;
        if (limits.maxBytes > 0 && total > limits.maxBytes)
            return CannotRead(path, QStringLiteral("larger than %1 bytes").arg(limits.maxBytes));
        if (consumer(std::string_view(buffer.get(), std::size_t(got))) == ChunkVerdict::Decided)
            return std::nullopt;
    }
}

} // namespace

std::optional<QString> ReadInChunks(const QString& path, const StandardInput& standardInput,
                                    const ReadLimits& limits, const ChunkConsumer& consumer)
{
    if (path == kStandardStream) {
        if (standardInput.closed)
            return CannotRead(path, SystemErrorText(EBADF));
        return ReadDescriptor(standardInput.descriptor, path, limits, consumer);
    }
    const int descriptor = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return CannotRead(path, SystemErrorText(errno));
    std::optional<QString> error = ReadDescriptor(descriptor, path, limits, consumer);
    close(descriptor);
    return error;
}

} // namespace cellaro::cli
