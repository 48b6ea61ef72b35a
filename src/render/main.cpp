// cellaro-render: the grid the window's Show draws, written to a file.

#include "render/render_command.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

// The toolkit's own chatter (a missing runtime directory and the like) would
// break the promise of one line on standard error; only its errors pass.
void KeepToolkitErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing needs no display: the offscreen platform serves fonts and
    // painting alike.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepToolkitErrorsOnly);
    QGuiApplication application(argc, argv);

    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    QFile output;
    output.open(stdout, QIODevice::WriteOnly);
    cellaro::CommandStreams streams { &input, &output, {} };
    const int exitCode = cellaro::RunRenderCommand(QGuiApplication::arguments(), streams);
    output.close();
    std::fputs(streams.errors.toLocal8Bit().constData(), stderr);
    return exitCode;
}
