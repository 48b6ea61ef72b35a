// cellaro-count: the letters, or pairs of letters, of Albanian texts as a
// list Cellaro shows.

#include "cli/command_streams.h"
#include "count/count_command.h"

#include <QStringList>

int main(int argc, char* argv[])
{
    // First, before anything opens a descriptor of its own.
    cellaro::cli::CommandStreams streams = cellaro::cli::StandardStreams();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const int status = cellaro::count::RunCountCommand(arguments, streams);
    cellaro::cli::WriteErrorLines(streams);
    return status;
}
