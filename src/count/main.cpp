// cellaro-count: the letters, or pairs of letters, of Albanian texts as a
// list Cellaro shows.

#include "cli/standard_descriptors.h"
#include "count/count_command.h"

#include <QStringList>

#include <unistd.h>

int main(int argc, char* argv[])
{
    const cellaro::cli::StandardDescriptors found = cellaro::cli::GuardStandardDescriptors();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    cellaro::count::CountStreams streams { { STDIN_FILENO, found.inputClosed },
                                           { STDOUT_FILENO, found.outputClosed },
                                           {} };
    const int status = cellaro::count::RunCountCommand(arguments, streams);
    const QByteArray errors = streams.errors.toLocal8Bit();
    if (write(STDERR_FILENO, errors.constData(), std::size_t(errors.size())) < 0) {
        // Nowhere is left to report that standard error failed.
    }
    return status;
}
