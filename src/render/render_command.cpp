#include "render/render_command.h"

#include "entries/default_list.h"
#include "render/rendered_output.h"
#include "surface/product.h"

#include <QFile>
#include <QSaveFile>

#include <optional>

namespace cellaro {

namespace {

const QString kProgram = QStringLiteral("cellaro-render");

void Complain(CommandStreams& streams, const QString& message)
{
    streams.errors += kProgram + QStringLiteral(": ") + message + u'\n';
}

struct ListSource {
    QString name; // how messages name it
    QString text;
};

// The list file's bytes as text: UTF-8, line ends untouched. A byte-order
// mark is a marker of the encoding, not part of the first label.
QString DecodeList(const QByteArray& bytes)
{
    static const QByteArray kByteOrderMark("\xEF\xBB\xBF");
    return QString::fromUtf8(bytes.startsWith(kByteOrderMark) ? bytes.sliced(3) : bytes);
}

std::optional<ListSource> ReadList(const RenderOptions& options, CommandStreams& streams)
{
    if (!options.listPath)
        return ListSource { QStringLiteral("the default list"), DefaultListText() };
    if (*options.listPath == kStdioPath)
        return ListSource { QStringLiteral("standard input"), DecodeList(streams.input->readAll()) };

    QFile file(*options.listPath);
    if (!file.open(QIODevice::ReadOnly)) {
        Complain(streams, QStringLiteral("cannot read the list \"%1\": %2")
                              .arg(*options.listPath, file.errorString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Complain(streams, QStringLiteral("cannot read the list \"%1\": %2")
                              .arg(*options.listPath, file.errorString()));
        return std::nullopt;
    }
    return ListSource { *options.listPath, DecodeList(bytes) };
}

bool WriteOutput(const RenderOptions& options, const QByteArray& bytes, CommandStreams& streams)
{
    if (options.dump || options.outputPath == kStdioPath)
        return streams.output->write(bytes) == bytes.size();

    QSaveFile file(options.outputPath);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    Complain(streams, QStringLiteral("cannot write \"%1\": %2")
                          .arg(options.outputPath, file.errorString()));
    return false;
}

QString EmptyPictureNote(const ShowOutcome& show)
{
    return show.entryCount == 0
        ? QStringLiteral("note: no line was accepted; the picture is the empty surface")
        : QStringLiteral("note: no count is above 0; the picture is the empty surface");
}

int Render(const RenderOptions& options, CommandStreams& streams)
{
    const std::optional<ListSource> list = ReadList(options, streams);
    if (!list)
        return kExitBadInput;

    const SessionInputs inputs { list->text, options.thresholdText, options.scheme,
                                 options.schemesBefore };
    const RenderedOutput rendered =
        options.dump ? RenderDump(inputs) : RenderPicture(inputs, options.format);
    if (rendered.show.error) {
        Complain(streams, list->name + QStringLiteral(": ") + DescribeShowError(*rendered.show.error));
        return kExitBadInput;
    }
    if (!WriteOutput(options, rendered.bytes, streams))
        return kExitBadInput;
    if (!rendered.show.drewGrid)
        Complain(streams, EmptyPictureNote(rendered.show));
    return kExitSuccess;
}

} // namespace

std::optional<int> AnswerWithoutDrawing(const ParsedArguments& parsed, CommandStreams& streams)
{
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        Complain(streams, usage->message);
        return kExitUsage;
    }
    if (const auto* help = std::get_if<HelpRequest>(&parsed)) {
        streams.output->write(help->text.toUtf8());
        return kExitSuccess;
    }
    if (std::holds_alternative<VersionRequest>(parsed)) {
        streams.output->write((ProductVersionLine() + u'\n').toUtf8());
        return kExitSuccess;
    }
    return std::nullopt;
}

int RunRenderCommand(const QStringList& arguments, CommandStreams& streams)
{
    const ParsedArguments parsed = ParseRenderArguments(arguments);
    if (const std::optional<int> answered = AnswerWithoutDrawing(parsed, streams))
        return *answered;
    return Render(std::get<RenderRequest>(parsed).options, streams);
}

} // namespace cellaro
