// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a tool's output to "-o FILE" or standard output and says, in one
// line, when any part of that failed.
//
// A regular file (or one that does not exist yet) is written under a
// temporary name in its own directory and renamed over it only when every
// byte is written and the file is closed: on failure, or when SIGHUP,
// SIGINT or SIGTERM ends the tool, the target keeps what it held and no
// temporary file is left. The replacement is a new file: it belongs to
// whoever runs the tool, has the old file's permission bits (without
// set-user-ID, set-group-ID and sticky), and the old file's other hard
// links keep the old bytes. A file its writer may not write (mode 444, say)
// is refused, as ">" refuses it. A symbolic link is followed to its last
// target, which is replaced while the link stays, but not where the kernel
// would refuse to follow it: a link of another user in a sticky
// world-writable folder is refused. Anything else (a
// device, a FIFO, a terminal, /dev/stdout) is written straight into, since
// renaming over it would put a plain file in its place or drop what the
// shell set up for it (">>" appends through /dev/stdout).

#include "cli/stream_names.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string_view>

namespace cellaro::cli {

struct StandardOutput {
    int descriptor = 1;
    bool closed = false; // the tool was started with it closed
};

class OutputWriter {
public:
    // `path` "-" is standard output. The writer closes whatever descriptor it
    // writes into when done, standard output's included, so that the close's
    // own error is seen.
    OutputWriter(const QString& path, const StandardOutput& standardOutput);
    ~OutputWriter();
    OutputWriter(const OutputWriter&) = delete;
    OutputWriter& operator=(const OutputWriter&) = delete;

    // false once anything failed; error() then says what.
    bool write(std::string_view bytes);

    // Writes what is buffered, closes, and puts a temporary file in place.
    bool finish();

    // One line without the program name:
    // cannot write "out.txt": No space left on device.
    QString error() const { return error_; }

private:
    void open(const QString& path, const StandardOutput& standardOutput);
    void openReplacement(const QString& target);
    void openDirect(const QString& target);
    void useDescriptor(int descriptor, const StandardOutput& standardOutput);
    bool flush();
    bool fail(int error);
    bool failWith(const QString& reason);
    void discard();

    QString name_;             // how messages name the output
    int descriptor_ = -1;
    QByteArray temporaryPath_; // set while a replacement is being written
    QByteArray targetPath_;    // what the replacement is renamed to
    QByteArray buffer_;
    QString error_;
};

} // namespace cellaro::cli
