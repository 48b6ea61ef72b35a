// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every file of the given folders once through the fuzz target and its
// checks, so the starting corpus (and any input a fuzzing run saved as a
// finding) stays a regression test of the ordinary and sanitizer builds,
// which need no clang. A broken check aborts with its reason.

#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int ReplayFolder(const QString& path)
{
    int replayed = 0;
    const QDir folder(path);
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
            return -1;
        }
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               std::size_t(bytes.size()));
        ++replayed;
    }
    return replayed;
}

} // namespace

int main(int argc, char** argv)
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const int inFolder = ReplayFolder(QString::fromLocal8Bit(argv[i]));
        if (inFolder < 0)
            return 1;
        replayed += inFolder;
    }
    std::printf("replayed %d inputs\n", replayed);
    // An empty corpus would check nothing.
    return replayed > 0 ? 0 : 1;
}
