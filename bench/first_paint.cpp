// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Process start to the window's first painted frame, and the window's peak
// resident memory. Run without arguments, the program starts itself again
// and again as a child that opens the window headless and exits once the
// window has painted; the parent times each child from the moment it is
// spawned to its "painted" line and reads its peak resident set from wait4.
// Further children paste a large list into the list box and press Show
// before they exit, for the memory the window needs at its largest.

#include "generated_lists.h"
#include "window/control_font.h"
#include "window/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

const char kChildFlag[] = "--child";

// The window as main() opens it; prints one line after its first paint.
// With `pastedLines` above 0 it then pastes a generated list of that many
// lines whose first 10000 reach the threshold, presses Show and exits after
// the grid is on the screen.
int RunChild(int argc, char** argv, int pastedLines)
{
    QApplication application(argc, argv);
    QApplication::setFont(cellaro::UseDefaultFont()); // as the program starts
    cellaro::Form1 form;
    bool shown = pastedLines == 0;
    QObject::connect(&form, &cellaro::Form1::surfacePainted, &application, [&] {
        if (shown) {
            std::printf("painted %d\n", int(form.state().entries.EntryCount));
            std::fflush(stdout);
            QCoreApplication::exit(0);
            return;
        }
        shown = true;
        const int accepted = std::min(pastedLines, cellaro::kMaxEntries);
        form.Text1()->setPlainText(cellaro::bench::PasteList(pastedLines, accepted));
        form.Text2()->setText(QString::number(cellaro::bench::kSplitThreshold));
        form.ShowListAction();
        form.update();
    }, Qt::QueuedConnection);
    form.show();
    return application.exec();
}

struct ChildRun {
    double msToFirstPaint = -1; // negative when the child never painted
    long peakResidentKb = 0;
    int entriesShown = 0;
};

ChildRun SpawnChild(char* self, int pastedLines)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::string lines = std::to_string(pastedLines);
    char* childArgs[] = { self, const_cast<char*>(kChildFlag), lines.data(), nullptr };

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const bool spawned = posix_spawn(&pid, self, &actions, nullptr, childArgs, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    ChildRun run;
    char line[32] = {};
    if (spawned && read(pipeEnds[0], line, sizeof line - 1) > 0
        && std::sscanf(line, "painted %d", &run.entriesShown) == 1)
        run.msToFirstPaint =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    close(pipeEnds[0]);
    if (spawned) {
        int status = 0;
        rusage usage {};
        wait4(pid, &status, 0, &usage);
        run.peakResidentKb = usage.ru_maxrss;
    }
    return run;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && std::strcmp(argv[1], kChildFlag) == 0)
        return RunChild(argc, argv, std::atoi(argv[2]));

    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    std::vector<double> times;
    long peakKb = 0;
    for (int i = 0; i < runs; ++i) {
        const ChildRun run = SpawnChild(argv[0], 0);
        if (run.msToFirstPaint < 0) {
            std::fprintf(stderr, "the window did not paint\n");
            return 1;
        }
        times.push_back(run.msToFirstPaint);
        peakKb = std::max(peakKb, run.peakResidentKb);
    }
    std::printf("\nWindow start-up, %d runs, offscreen\n", runs);
    std::printf("  process start to first paint     median %.1f ms (fastest %.1f, slowest %.1f)\n",
                Median(times), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()));
    std::printf("  peak resident memory, start-up   %.1f MB\n", double(peakKb) / 1024.0);
    // 10000 lines fill the table; 100000 are the largest paste measured.
    for (int lines : { 10000, 100000 }) {
        const ChildRun run = SpawnChild(argv[0], lines);
        if (run.msToFirstPaint < 0) {
            std::fprintf(stderr, "the window did not paint after a Show of %d lines\n", lines);
            return 1;
        }
        std::printf("  peak resident memory, %6d lines pasted, %d entries shown   %.1f MB\n", lines,
                    run.entriesShown, double(run.peakResidentKb) / 1024.0);
    }
    return 0;
}
