#!/usr/bin/env python3
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""cellaro-render against gnuplot and matplotlib drawing the same picture.

Every run draws each list once with every tool, in turn, so that a busy
spell on the machine falls on all of them alike; the table shows each tool's
CPU time (user + system of the whole process) as the median with min-max,
and the ratios to cellaro-render. With --before, an earlier cellaro-render
joins the rotation, and --version, --help and a usage error are timed for
both builds.

    run.py --render build/release/src/render/cellaro-render [--before OLD] [--runs 7]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from lists import SIZES, write_lists  # noqa: E402


def cpu_ms(argv, env):
    """Runs argv with its output discarded; returns its CPU time in ms."""
    actions = [(os.POSIX_SPAWN_OPEN, 0, os.devnull, os.O_RDONLY, 0),
               (os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0),
               (os.POSIX_SPAWN_OPEN, 2, os.devnull, os.O_WRONLY, 0)]
    pid = os.posix_spawn(argv[0], argv, env, file_actions=actions)
    _, status, usage = os.wait4(pid, 0)
    code = os.waitstatus_to_exitcode(status)
    if code not in (0, 2):  # 2: the usage error asked for
        sys.exit(f"{' '.join(argv)} exited with {code}")
    return (usage.ru_utime + usage.ru_stime) * 1000


def find_python_with_matplotlib():
    """This Python, or Debian's where the package python3-matplotlib is."""
    for python in (sys.executable, "/usr/bin/python3"):
        if python and os.path.exists(python) and subprocess.run(
                [python, "-c", "import matplotlib"], stderr=subprocess.DEVNULL).returncode == 0:
            return python
    return None


def picture_commands(args, folder, lists):
    """{tool: {case: argv}} for the four lists."""
    tools = {"cellaro-render": args.render}
    if args.before:
        tools["cellaro-render before"] = args.before
    commands = {}
    for name, binary in tools.items():
        commands[name] = {n: [binary, "--list", path, "-o", os.path.join(folder, f"c{len(commands)}-{n}.png")]
                          for n, path in lists.items()}
    gnuplot = shutil.which("gnuplot")
    if gnuplot:
        commands["gnuplot"] = {
            n: [gnuplot, "-e", f"list='{path}'; out='{os.path.join(folder, f'g-{n}.png')}'",
                os.path.join(HERE, "grid.gp")] for n, path in lists.items()}
    python = None if args.no_matplotlib else find_python_with_matplotlib()
    if python:
        commands["matplotlib"] = {
            n: [python, os.path.join(HERE, "grid_matplotlib.py"), path, os.path.join(folder, f"m-{n}.png")]
            for n, path in lists.items()}
    return commands


def answer_commands(args):
    """--version, --help and a usage error, for each cellaro-render build."""
    cases = {"--version": ["--version"], "--help": ["--help"],
             "usage error": ["--scheme", "x", "-o", "x.png"]}
    builds = {"cellaro-render": args.render}
    if args.before:
        builds["cellaro-render before"] = args.before
    return {name: {case: [binary] + extra for case, extra in cases.items()} for name, binary in builds.items()}


def cell(samples):
    if not samples:
        return ""
    return f"{statistics.median(samples):.1f} ({min(samples):.1f}-{max(samples):.1f})"


def print_table(cases, times, ratios_to):
    tools = [t for t in times if any(times[t].get(c) for c in cases)]
    ratio_tools = [t for t in tools if t != ratios_to]
    header = ["case"] + tools + [f"{t} / {ratios_to}" for t in ratio_tools]
    print("| " + " | ".join(header) + " |")
    print("|---" * len(header) + "|")
    for case in cases:
        mine = times[ratios_to].get(case)
        row = [cell(times[t].get(case, [])) for t in tools]
        for t in ratio_tools:
            theirs = times[t].get(case)
            row.append(f"{statistics.median(theirs) / statistics.median(mine):.2f}" if theirs and mine else "")
        print(f"| {case} | " + " | ".join(row) + " |")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--render", required=True, help="the cellaro-render to measure")
    parser.add_argument("--before", help="an earlier cellaro-render to compare with")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--sizes", type=int, nargs="+", default=list(SIZES))
    parser.add_argument("--no-matplotlib", action="store_true")
    args = parser.parse_args()
    args.render = os.path.abspath(args.render)
    args.before = args.before and os.path.abspath(args.before)

    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    with tempfile.TemporaryDirectory() as folder:
        lists = write_lists(folder, args.sizes)
        pictures = picture_commands(args, folder, lists)
        answers = answer_commands(args)
        times = {tool: {} for tool in pictures}
        for run in range(args.runs):
            for commands in (pictures, answers):
                cases = next(iter(commands.values())).keys()
                for case in cases:
                    for tool, argvs in commands.items():
                        times[tool].setdefault(case, []).append(cpu_ms(argvs[case], env))
            print(f"run {run + 1} of {args.runs} done", file=sys.stderr)

    print(f"CPU time in ms (user + system, whole process), median (min-max) of {args.runs} interleaved runs\n")
    print_table(list(args.sizes), times, "cellaro-render")
    print()
    print_table(list(next(iter(answers.values())).keys()), times, "cellaro-render")


if __name__ == "__main__":
    main()
