#pragma once
// Whole files in and out, for tests that hand files to a command and read
// what it wrote.

#include <QByteArray>
#include <QFile>
#include <QString>

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

} // namespace cellaro::testing
