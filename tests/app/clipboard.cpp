// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The X clipboard for scripts, as UTF-8 files, so a script can paste
// megabytes into the window with one Ctrl+V instead of typing them, and
// read back what the window copies.
//   clipboard set <file> [seconds]
//       owns the clipboard with the file's text until another program takes
//       it over or the seconds (default 60) pass; prints "ready" once set
//   clipboard get <file>
//       writes the clipboard's text to the file

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <QTimer>

namespace {

int Set(QGuiApplication& application, QFile& file, int seconds)
{
    if (!file.open(QIODevice::ReadOnly))
        return 2;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QString::fromUtf8(file.readAll()));
    QObject::connect(clipboard, &QClipboard::dataChanged, &application, &QGuiApplication::quit);
    QTimer::singleShot(seconds * 1000, &application, &QGuiApplication::quit);
    QTextStream(stdout) << "ready" << Qt::endl;
    return application.exec();
}

int Get(QFile& file)
{
    if (!file.open(QIODevice::WriteOnly))
        return 2;
    return file.write(QGuiApplication::clipboard()->text().toUtf8()) >= 0 ? 0 : 2;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3)
        return 2;
    QFile file(arguments[2]);
    if (arguments[1] == u"set")
        return Set(application, file, arguments.size() > 3 ? arguments[3].toInt() : 60);
    if (arguments[1] == u"get")
        return Get(file);
    return 2;
}
