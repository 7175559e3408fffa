"""Start-up of the Windows build under wine against a bare Win32 window of
the same outer size, and the same window showing two lines of Chinese,
measured in the same run with their starts interleaved:
the time from starting `wine PROGRAM` to its window mapped on the display and
painted (the middle row no longer all black), seen as in startup_bench.py.
Run from tools/bench-windows.sh, which keeps one wine server running on the
display of tools/wine-env.sh, so that no start pays for wine's own."""

import argparse
import os
import statistics
import sys
import time

from Xlib import X

from startup_bench import SETTINGS, SETTINGS_NAME, Copy, Watcher, spawn, spread, stop, time_start, verdict

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
    parser.add_argument("--engine", required=True, help="the skin engine an earlier start left beside the program")
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()

    env = dict(os.environ)
    watcher = Watcher(env["DISPLAY"])
    size = client_size(watcher, args.bare, env)
    with open(args.engine, "rb") as f:
        later = [(SETTINGS_NAME, SETTINGS), ("SkinH_EL.dll", f.read())]
    subjects = {"later": (args.program, later, ()), "bare": (args.bare, (), ()), "label": (args.bare, (), ("label",))}
    for exe, extra, argv in subjects.values():  # untimed: the page cache and wine's font cache
        time_start(watcher, exe, size, env, extra, ("wine",), argv)
    times = {name: [] for name in subjects}
    for _ in range(args.runs):
        for name, (exe, extra, argv) in subjects.items():
            times[name].append(time_start(watcher, exe, size, env, extra, ("wine",), argv))
    med = {name: statistics.median(values) for name, values in times.items()}
    ratio = med["later"] / med["bare"]
    print(f"under wine, later start (main window shown and painted, {size[0]}x{size[1]}), {args.runs} interleaved runs: "
          f"{spread(times['later'], 'ms')}; bare Win32 window {spread(times['bare'], 'ms')}; "
          f"the same with two Chinese labels {spread(times['label'], 'ms')}; "
          f"{ratio:.2f}x the bare window ({med['later'] / med['label']:.2f}x the label window), "
          f"goal <= {GOAL}x the bare window: {verdict(ratio <= GOAL)}")
    print(f"the program: {os.path.getsize(args.program)} bytes")
    return 0 if ratio <= GOAL else 1


if __name__ == "__main__":
    sys.exit(main())
