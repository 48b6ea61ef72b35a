#include "count/count_command.h"

#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "count/count_options.h"
#include "count/count_scale.h"
#include "count/text_counter.h"

#include <algorithm>

namespace cellaro::count {

namespace {

const QString kProgram = QStringLiteral("cellaro-count");

// A NUL byte this early says the file is not a text.
constexpr std::size_t kTextSniffBytes = 8192;

void Complain(cli::CommandStreams& streams, const QString& message) { streams.complain(kProgram, message); }

int Write(const QString& path, std::string_view bytes, cli::CommandStreams& streams)
{
    return cli::WriteOutput(path, bytes, streams, kProgram);
}

struct Tally {
    TextCounter counter;
    bool cutShort = false; // reading stopped once a count was already too large
};

// Counts one input into the tally. Returns the error line, if any.
std::optional<QString> CountInput(const QString& path, const CountOptions& options,
                                  cli::CommandStreams& streams, Tally& tally)
{
    std::size_t offset = 0;
    std::optional<QString> refusal;
    const auto consume = [&](std::string_view chunk) {
        if (offset < kTextSniffBytes) {
            const std::size_t nul = chunk.substr(0, kTextSniffBytes - offset).find('\0');
            if (nul != std::string_view::npos) {
                refusal = QStringLiteral("%1 is not a text: a NUL byte at offset %2")
                              .arg(cli::InputName(path))
                              .arg(offset + nul);
                return cli::ChunkVerdict::Decided;
            }
        }
        offset += chunk.size();
        tally.counter.feed(chunk);
        if (!options.scale && FirstTooLarge(CountsOf(tally.counter.counts(), options.kind))) {
            tally.cutShort = true;
            return cli::ChunkVerdict::Decided;
        }
        return cli::ChunkVerdict::Continue;
    };
    if (std::optional<QString> error = cli::ReadInChunks(path, streams.input, {}, consume))
        return error;
    if (refusal)
        return refusal;
    tally.counter.finishText();
    return std::nullopt;
}

QString TooLargeMessage(const CountOptions& options, std::span<const std::uint64_t> counts,
                        std::size_t index, bool cutShort)
{
    return QStringLiteral("the count of \"%1\" is %2%3, above %4 (--scale divides the counts)")
        .arg(QString::fromStdString(LineLabel(options.kind, index)),
             cutShort ? QStringLiteral("at least ") : QString())
        .arg(counts[index])
        .arg(kLargestCount);
}

int Count(const CountOptions& options, cli::CommandStreams& streams)
{
    Tally tally;
    for (const QString& input : options.inputs) {
        if (std::optional<QString> error = CountInput(input, options, streams, tally)) {
            Complain(streams, *error);
            return cli::kExitBadInput;
        }
        if (tally.cutShort)
            break;
    }

    const LetterCounts all = tally.counter.counts();
    const std::span<const std::uint64_t> counts = CountsOf(all, options.kind);
    std::vector<std::uint64_t> written(counts.begin(), counts.end());
    std::uint64_t divisor = 1;
    if (options.scale) {
        divisor = ScaleDivisor(counts);
        written = Scaled(counts, divisor);
    } else if (const std::optional<std::size_t> index = FirstTooLarge(counts)) {
        Complain(streams, TooLargeMessage(options, counts, *index, tally.cutShort));
        return cli::kExitBadInput;
    }

    const int status = Write(options.output, CountLines(options.kind, written, options.lineEnd), streams);
    if (status != cli::kExitDone)
        return status;
    if (const std::uint64_t invalid = tally.counter.invalidBytes())
        Complain(streams, QStringLiteral("note: %1 bytes that are not UTF-8 were not counted").arg(invalid));
    if (options.scale)
        Complain(streams, QStringLiteral("note: counts divided by %1").arg(divisor));
    return cli::kExitDone;
}

} // namespace

int RunCountCommand(const QStringList& arguments, cli::CommandStreams& streams)
{
    const ParsedCountArguments parsed = ParseCountArguments(arguments);
    if (const auto* answer = std::get_if<cli::CommandAnswer>(&parsed))
        return cli::Answer(*answer, streams, kProgram);
    return Count(std::get<CountOptions>(parsed), streams);
}

} // namespace cellaro::count
