// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a file or standard input in chunks handed to a consumer, so a tool's
// memory stays the same whatever the input's size.

#include "cli/stream_names.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace cellaro::cli {

struct StandardInput {
    int descriptor = 0;
    bool closed = false; // the tool was started with it closed
};

struct ReadLimits {
    std::int64_t maxBytes = 0; // 0: no limit
    std::size_t chunkBytes = 64 * 1024;
};

enum class ChunkVerdict { Continue, Decided };

// Gets each chunk in order; Decided stops the reading there.
using ChunkConsumer = std::function<ChunkVerdict(std::string_view chunk)>;

// Reads `path` ("-": standard input, left open) to its end, or until the
// consumer has decided. Returns the error line, without the program name:
// cannot read "x.txt": No such file or directory.
std::optional<QString> ReadInChunks(const QString& path, const StandardInput& standardInput,
                                    const ReadLimits& limits, const ChunkConsumer& consumer);

} // namespace cellaro::cli
