// cellaro-render: the grid the window's Show draws, written to a file.

#include "cli/command_line.h"
#include "cli/command_streams.h"
#include "cli/exit_status.h"
#include "render/render_command.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

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
    // First, before the toolkit opens descriptors of its own: a closed
    // standard stream would hand its number to one of them.
    cellaro::cli::CommandStreams streams = cellaro::cli::StandardStreams();
    qInstallMessageHandler(KeepToolkitErrorsOnly);
    const auto finish = [&](int exitCode) {
        cellaro::cli::WriteErrorLines(streams);
        return exitCode;
    };

    const std::optional<QStringList> decoded
        = cellaro::cli::DecodedArguments(argc, argv, QStringLiteral("cellaro-render"), streams);
    if (!decoded)
        return finish(cellaro::cli::kExitUsage);
    const QStringList& arguments = *decoded;
    // Help, version and usage errors need neither a platform nor fonts.
    if (const auto answered = cellaro::AnswerWithoutDrawing(cellaro::ParseRenderArguments(arguments), streams))
        return finish(*answered);

    // Drawing needs no display: the offscreen platform serves fonts and
    // painting alike, whatever platform the environment names for windows.
    // The application object gets no arguments, so it takes none of the
    // tool's (-platform, -reverse and the like are the tool's to refuse).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int toolkitArgc = 1;
    QGuiApplication application(toolkitArgc, argv);
    // No font has been used yet. CELLARO_MACHINE_FONTS=1 keeps the machine's
    // font configuration in use for every picture (the tests compare the two).
    const cellaro::FontStart fonts = qEnvironmentVariableIntValue("CELLARO_MACHINE_FONTS") == 1
        ? cellaro::FontStart::MachineFonts : cellaro::FontStart::BuiltInWhenItCovers;
    const int exitCode = finish(cellaro::RunRenderCommand(arguments, streams, fonts));
#ifndef CELLARO_FULL_TEARDOWN
    // Everything is written and flushed. Tearing the application down would
    // load the font configuration only to release it when no text was drawn,
    // and free memory the process is about to give back anyway.
    std::_Exit(exitCode);
#endif
    return exitCode;
}
