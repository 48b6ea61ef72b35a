// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// cellaro-count's speed and memory on a generated 100 MB Albanian text,
// beside `wc -m` (UTF-8 characters) on the same file. The programs run in
// turn, round after round, so both see the same machine load; the ratio of
// each round is reported with the median, minimum and maximum.
//
//   cellaro_count_bench [MEGABYTES [ROUNDS]]     default 100 MB, 7 rounds
//   cellaro_count_bench --write-text FILE BYTES  only write the text

#include "albanian_text.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double seconds = 0;
    long peakKilobytes = 0;
    int status = -1;
};

// Runs the program with standard output to /dev/null; the time is from
// spawn to exit, the memory the child's peak resident size.
Run Spawn(std::vector<std::string> arguments, char** environment)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environment) != 0)
        return run;
    rusage usage {};
    int status = 0;
    wait4(child, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKilobytes = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

struct Spread {
    double median, min, max;
};

Spread SpreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return { values[values.size() / 2], values.front(), values.back() };
}

bool WriteText(const std::string& path, std::size_t bytes)
{
    const std::string text = cellaro::bench::AlbanianText(bytes);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

// wc counts characters only in a UTF-8 locale.
std::vector<char*> Utf8Environment()
{
    std::vector<char*> environment;
    for (char** variable = environ; *variable; ++variable)
        if (std::string_view(*variable).substr(0, 3) != "LC_" && std::string_view(*variable).substr(0, 5) != "LANG=")
            environment.push_back(*variable);
    static char locale[] = "LC_ALL=C.UTF-8";
    environment.push_back(locale);
    environment.push_back(nullptr);
    return environment;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && std::string(argv[1]) == "--write-text")
        return WriteText(argv[2], std::strtoull(argv[3], nullptr, 10)) ? 0 : 1;

    const std::size_t megabytes = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 7;
    char folder[] = "/tmp/cellaro-count-bench.XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    const std::string path = std::string(folder) + "/text.txt";
    // Written by a child: the text would otherwise stay in this process's
    // peak memory, which spawned children report until their exec.
    const Run written = Spawn({ "/proc/self/exe", "--write-text", path, std::to_string(megabytes * 1000000) },
                              environ);
    if (written.status != 0) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    const double size = double(megabytes);
    std::vector<char*> environment = Utf8Environment();

    const std::vector<std::vector<std::string>> programs {
        { CELLARO_COUNT_PROGRAM, "--scale", path },
        { CELLARO_COUNT_PROGRAM, "--pairs", "--scale", path },
        { "wc", "-m", path },
    };
    const char* names[] = { "cellaro-count --scale", "cellaro-count --pairs --scale", "wc -m" };
    Spawn(programs[2], environment.data()); // the file into the page cache

    std::vector<std::vector<double>> seconds(programs.size());
    std::vector<std::vector<double>> ratios(2);
    std::vector<long> peak(programs.size(), 0);
    for (int round = 0; round < rounds; ++round) {
        std::vector<double> times;
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const Run run = Spawn(programs[p], environment.data());
            if (run.status != 0) {
                std::fprintf(stderr, "%s failed with status %d\n", names[p], run.status);
                return 1;
            }
            seconds[p].push_back(run.seconds);
            peak[p] = std::max(peak[p], run.peakKilobytes);
            times.push_back(run.seconds);
        }
        ratios[0].push_back(times[0] / times[2]);
        ratios[1].push_back(times[1] / times[2]);
    }
    unlink(path.c_str());
    rmdir(folder);

    std::printf("%zu MB generated Albanian text, %d rounds, median [min .. max]\n\n", megabytes, rounds);
    std::printf("%-30s %22s %10s %22s %10s\n", "program", "seconds", "MB/s", "time / wc -m", "peak RSS");
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const Spread time = SpreadOf(seconds[p]);
        char ratio[64] = "";
        if (p < 2) {
            const Spread r = SpreadOf(ratios[p]);
            std::snprintf(ratio, sizeof ratio, "%.2f [%.2f .. %.2f]", r.median, r.min, r.max);
        }
        std::printf("%-30s %6.3f [%.3f .. %.3f] %10.0f %22s %7ld KB\n", names[p], time.median, time.min,
                    time.max, size / time.median, ratio, peak[p]);
    }
    return 0;
}
