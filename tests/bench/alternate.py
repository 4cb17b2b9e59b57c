#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs two commands in turn, run by run, and prints their medians.

Usage: alternate.py RUNS "command a" "command b" [--reported]
                    [--prepare "before each a" "before each b"]

Each run is timed from outside (wall time, and the CPU time of the process
and its children), or with --reported by the command itself: its last line
ends in "<wall ms> [<cpu ms>]". Alternating keeps a busy machine's changes
from landing on one side only. Prints: a_wall a_cpu b_wall b_cpu (ms).
"""
import os
import resource
import statistics
import subprocess
import sys
import time


def run(command, reported):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    out = subprocess.run(command, shell=True, check=True, stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, text=True).stdout
    wall = (time.perf_counter() - start) * 1e3
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = ((after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)) * 1e3
    if reported:
        numbers = [float(x) for x in out.strip().splitlines()[-1].split()[-2:]
                   if x.replace('.', '', 1).isdigit()]
        wall = numbers[0]
        cpu = numbers[1] if len(numbers) > 1 else float('nan')
    return wall, cpu


def main(argv):
    runs, a, b = int(argv[0]), argv[1], argv[2]
    reported = '--reported' in argv
    prepare = (None, None)
    if '--prepare' in argv:
        i = argv.index('--prepare')
        prepare = (argv[i + 1], argv[i + 2])
    times = {a: [], b: []}
    for _ in range(runs):
        for command, prep in ((a, prepare[0]), (b, prepare[1])):
            if prep:
                subprocess.run(prep, shell=True, check=True)
            times[command].append(run(command, reported))
    medians = []
    for command in (a, b):
        medians.append(statistics.median(t[0] for t in times[command]))
        medians.append(statistics.median(t[1] for t in times[command]))
    print(' '.join('%.3f' % m for m in medians))


if __name__ == '__main__':
    main(sys.argv[1:])
