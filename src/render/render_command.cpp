// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/render_command.h"

#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "entries/default_list.h"
#include "render/list_input.h"
#include "render/rendered_output.h"

namespace cellaro {

namespace {

const QString kProgram = QStringLiteral("cellaro-render");

void Complain(cli::CommandStreams& streams, const QString& message) { streams.complain(kProgram, message); }

// How messages name where the list came from.
QString ListName(const RenderOptions& options)
{
    if (!options.listPath)
        return QStringLiteral("the default list");
    return cli::InputName(*options.listPath);
}

// Reads the list into the session's table; says why when it cannot. The
// notes on a list that was read wait in `notes` for a run that succeeds.
bool ReadListOf(const RenderOptions& options, Session& session, cli::CommandStreams& streams, QStringList& notes)
{
    const double threshold = ReadThreshold(options.thresholdText);
    ListReading reading;
    if (options.listPath)
        reading = ReadListFile(session.form.entries, *options.listPath, streams.input, threshold);
    else
        reading.listError = ReadList(session.form.entries, DefaultListText(), threshold);
    if (reading.readError)
        Complain(streams, *reading.readError);
    else if (reading.listError)
        Complain(streams, ListName(options) + QStringLiteral(": ") + DescribeShowError(*reading.listError));
    notes += reading.notes;
    return !reading.readError && !reading.listError;
}

int Write(const QString& path, const QByteArray& bytes, cli::CommandStreams& streams)
{
    return cli::WriteOutput(path, std::string_view(bytes.constData(), std::size_t(bytes.size())), streams, kProgram);
}

QString EmptyPictureNote(const ShowOutcome& show)
{
    return show.entryCount == 0
        ? QStringLiteral("note: no line was accepted; the picture is the empty surface")
        : QStringLiteral("note: no count is above 0; the picture is the empty surface");
}

} // namespace

int RunRenderRequest(const RenderOptions& options, cli::CommandStreams& streams)
{
    Session session;
    session.scheme = options.scheme;
    session.schemesBefore = options.schemesBefore;
    session.thresholdText = options.thresholdText;
    QStringList notes = options.notes;
    if (!ReadListOf(options, session, streams, notes))
        return cli::kExitBadInput;

    const RenderedOutput rendered = options.dump ? RenderDump(session) : RenderPicture(session, options.format);
    const QString output = options.dump ? cli::kStandardStream.toString() : options.outputPath;
    if (const int status = Write(output, rendered.bytes, streams); status != cli::kExitDone)
        return status;
    for (const QString& note : notes)
        Complain(streams, note);
    if (!rendered.show.drewGrid)
        Complain(streams, EmptyPictureNote(rendered.show));
    return cli::kExitDone;
}

int RunRenderCommand(const QStringList& arguments, cli::CommandStreams& streams)
{
    const ParsedRenderArguments parsed = ParseRenderArguments(arguments);
    if (const auto* answer = std::get_if<cli::CommandAnswer>(&parsed))
        return cli::Answer(*answer, streams, kProgram);
    return RunRenderRequest(std::get<RenderOptions>(parsed), streams);
}

} // namespace cellaro
