// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "count/count_command.h"

#include "cli/byte_order_mark.h"
#include "cli/command_line.h"
#include "cli/escaped_text.h"
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

// Why an input with a NUL byte near its start is refused: a text in UTF-16
// or UTF-32 is named as such, since it is a text, only not in UTF-8.
QString NotATextMessage(const QString& path, const cli::InputStart& start, std::size_t nulOffset)
{
    if (const std::optional<QString> encoding = start.foreignEncoding())
        return QStringLiteral("%1 is in %2 (it starts with that byte-order mark); only UTF-8 texts are read")
            .arg(cli::InputName(path), *encoding);
    return QStringLiteral("%1 is not a text: a NUL byte at offset %2").arg(cli::InputName(path)).arg(nulOffset);
}

// Counts one input into the counter. Returns the error line, if any.
std::optional<QString> CountInput(const QString& path, cli::CommandStreams& streams, TextCounter& counter)
{
    std::size_t offset = 0;
    cli::InputStart start;
    std::optional<QString> refusal;
    const auto consume = [&](std::string_view chunk) {
        start.see(chunk);
        if (offset < kTextSniffBytes) {
            const std::size_t nul = chunk.substr(0, kTextSniffBytes - offset).find('\0');
            if (nul != std::string_view::npos) {
                refusal = NotATextMessage(path, start, offset + nul);
                return cli::ChunkVerdict::Decided;
            }
        }
        offset += chunk.size();
        counter.feed(chunk);
        return cli::ChunkVerdict::Continue;
    };
    if (std::optional<QString> error = cli::ReadInChunks(path, streams.input, {}, consume))
        return error;
    if (refusal)
        return refusal;
    counter.finishText();
    return std::nullopt;
}

QString TooLargeMessage(const CountOptions& options, std::span<const std::uint64_t> counts, std::size_t index)
{
    return QStringLiteral("the count of %1 is %2, above %3 (--scale divides the counts)")
        .arg(cli::Quoted(QString::fromStdString(LineLabel(options.kind, index))))
        .arg(counts[index])
        .arg(kLargestCount);
}

int Count(const CountOptions& options, cli::CommandStreams& streams)
{
    // Every input is read to its end, even once a count is too large, so
    // that the message names the count the text really has.
    TextCounter counter;
    for (const QString& input : options.inputs) {
        if (std::optional<QString> error = CountInput(input, streams, counter)) {
            Complain(streams, *error);
            return cli::kExitBadInput;
        }
    }

    const LetterCounts all = counter.counts();
    const std::span<const std::uint64_t> counts = CountsOf(all, options.kind);
    std::vector<std::uint64_t> written(counts.begin(), counts.end());
    std::uint64_t divisor = 1;
    if (options.scale) {
        divisor = ScaleDivisor(counts);
        written = Scaled(counts, divisor);
    } else if (const std::optional<std::size_t> index = FirstTooLarge(counts)) {
        Complain(streams, TooLargeMessage(options, counts, *index));
        return cli::kExitBadInput;
    }

    const int status = Write(options.output, CountLines(options.kind, written, options.lineEnd), streams);
    if (status != cli::kExitDone)
        return status;
    if (const std::uint64_t invalid = counter.invalidBytes())
        Complain(streams, QStringLiteral("note: %1 bytes that are not UTF-8 were not counted").arg(invalid));
    if (divisor > 1)
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
