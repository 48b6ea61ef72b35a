// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole files in and out, for tests that hand files to a command and read
// what it wrote.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace cellaro::testing {

inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Empty when the file cannot be read.
inline QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A fresh temporary folder that is the current folder while this lives, so a
// command's relative paths and stray files land in it; the previous current
// folder comes back before the folder is removed.
class CurrentTemporaryFolder {
public:
    CurrentTemporaryFolder()
        : previous_(QDir::currentPath()), entered_(folder_.isValid() && QDir::setCurrent(folder_.path()))
    {
    }
    ~CurrentTemporaryFolder() { QDir::setCurrent(previous_); }
    CurrentTemporaryFolder(const CurrentTemporaryFolder&) = delete;
    CurrentTemporaryFolder& operator=(const CurrentTemporaryFolder&) = delete;

    bool isValid() const { return entered_; }
    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

private:
    QString previous_;
    QTemporaryDir folder_;
    bool entered_;
};

} // namespace cellaro::testing
