"""Start-up of the Windows build under wine against three yardsticks measured
in the same run, their starts interleaved with the program's: a bare Win32
window of the same outer size, the same window showing two lines of Chinese,
and the same window showing the real Win32 controls of the program's search
strip and first page (the floor for any program with those controls).
Each start is timed twice, from starting `wine PROGRAM`: to its window mapped
on the display and painted (the middle row no longer all black, which under
wine is the first flush of the window's background), and to the window
complete (its last change before it stays unchanged for a while; see
Watcher.wait_complete), as seen in startup_bench.py.
Run from tools/bench-windows.sh, which keeps one wine server running on the
display of tools/wine-env.sh, so that no start pays for wine's own."""

import argparse
import os
import statistics
import sys
import time

from Xlib import X

from startup_bench import (MAIN, QUIET, SETTINGS, SETTINGS_NAME, Copy, Watcher, spawn, spread, stop, time_start,
                           verdict)

GOAL = 1.2


def client_size(watcher, exe, env, timeout=20.0):
    """The size of the first window `exe` maps: the client area, whose height
    follows wine's caption."""
    copy = Copy(exe)
    watcher.drain()
    process = spawn(copy.exe, env, ("wine",))
    try:
        deadline = time.perf_counter() + timeout
        while time.perf_counter() < deadline:
            while watcher.x.pending_events():
                event = watcher.x.next_event()
                if event.type == X.MapNotify and event.event == watcher.root:
                    g = event.window.get_geometry()
                    if g.width > 1:
                        return (g.width, g.height)
            time.sleep(0.005)
        raise RuntimeError(f"{os.path.basename(exe)} mapped no window")
    finally:
        stop(process)
        copy.remove()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--bare", required=True)
    parser.add_argument("--controls", required=True, help="the bare window importing the common controls")
    parser.add_argument("--engine", required=True, help="the skin engine an earlier start left beside the program")
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()

    env = dict(os.environ)
    watcher = Watcher(env["DISPLAY"])
    size = client_size(watcher, args.bare, env)
    with open(args.engine, "rb") as f:
        later = [(SETTINGS_NAME, SETTINGS), ("SkinH_EL.dll", f.read())]
    # The program's client area is its layout's whatever the frame; the
    # yardsticks keep the outer size, so theirs is what wine's caption leaves.
    subjects = {
        "the program, later start": (args.program, later, (), MAIN),
        "bare Win32 window": (args.bare, (), (), size),
        "the same, two Chinese labels": (args.bare, (), ("label",), size),
        "the same, the program's controls": (args.controls, (), ("controls",), size),
    }
    for exe, extra, argv, shown in subjects.values():  # untimed: the page cache and wine's font cache
        time_start(watcher, exe, shown, env, extra, ("wine",), argv)
    painted = {name: [] for name in subjects}
    complete = {name: [] for name in subjects}
    for _ in range(args.runs):
        for name, (exe, extra, argv, shown) in subjects.items():
            first, done = time_start(watcher, exe, shown, env, extra, ("wine",), argv, complete=True)
            painted[name].append(first)
            complete[name].append(done)
    program, bare = next(iter(subjects)), "bare Win32 window"
    ratio = {name: statistics.median(painted[name]) / statistics.median(painted[bare]) for name in subjects}
    whole = {name: statistics.median(complete[name]) / statistics.median(complete[bare]) for name in subjects}
    print(f"under wine, {size[0]}x{size[1]} window, {args.runs} interleaved runs, medians [min..max] and ratios to "
          f"the bare window: to the window painted (its background's first flush), and to the window complete "
          f"(its last change before {QUIET * 1000:.0f} ms unchanged, rows that keep changing left out)")
    width = max(map(len, subjects))
    for name in subjects:
        print(f"  {name:<{width}}  painted {spread(painted[name], 'ms')} ({ratio[name]:.2f}x);  "
              f"complete {spread(complete[name], 'ms')} ({whole[name]:.2f}x)")
    print(f"goal: the program's later start painted <= {GOAL}x the bare window: {ratio[program]:.2f}x, "
          f"{verdict(ratio[program] <= GOAL)} (complete: {whole[program]:.2f}x)")
    print(f"the program: {os.path.getsize(args.program)} bytes")
    return 0 if ratio[program] <= GOAL else 1


if __name__ == "__main__":
    sys.exit(main())
