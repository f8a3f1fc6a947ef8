#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the window's start-up and the empty-widget baseline alternately and
prints the median wall time and peak memory of each and their ratio. On an X
display with xdotool, also opens the solution window by Ctrl+R in fresh
processes and prints the median time from the key press to its first paint."""
import os
import shutil
import statistics
import subprocess
import sys
import time

program = sys.argv[1] if len(sys.argv) > 1 else "build/bench/startup_window"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
env = dict(os.environ)
env.setdefault("QT_QPA_PLATFORM", "offscreen")


def run(args):
    start = time.perf_counter()
    process = subprocess.Popen(args, env=env)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{args} failed with status {status}")
    return elapsed, usage.ru_maxrss / 1024.0  # MiB


results = {"window": [], "baseline": []}
for _ in range(runs):
    results["window"].append(run([program]))
    results["baseline"].append(run([program, "--baseline"]))

medians = {}
for name, samples in results.items():
    medians[name] = (statistics.median(s[0] for s in samples),
                     statistics.median(s[1] for s in samples))
    print(f"{name:9s} median {medians[name][0] * 1000:7.1f} ms  peak {medians[name][1]:6.1f} MiB")
window, baseline = medians["window"], medians["baseline"]
print(f"ratio of wall time {window[0] / baseline[0]:.2f}, "
      f"extra peak memory {window[1] - baseline[1]:+.1f} MiB")


def open_solution():
    """Milliseconds from Ctrl+R to the first paint of the solution window."""
    process = subprocess.Popen([program, "--open-solution"], env=env, stdout=subprocess.PIPE,
                               text=True)
    if process.stdout.readline().strip() != "ready":
        sys.exit("the window did not get ready")
    window = subprocess.run(["xdotool", "search", "--name", "правоъгълен трапец, основи"],
                            capture_output=True, text=True, check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "ctrl+r"], check=True)
    elapsed = float(process.stdout.readline())
    if process.wait() != 0:
        sys.exit("the opening run failed")
    return elapsed


if env.get("QT_QPA_PLATFORM") == "xcb" and shutil.which("xdotool"):
    openings = [open_solution() for _ in range(11)]
    print(f"opening the solution window: median {statistics.median(openings):.1f} ms "
          f"(min {min(openings):.1f}, max {max(openings):.1f}, 11 fresh runs)")
