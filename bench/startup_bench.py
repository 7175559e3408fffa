"""Start-up time, idle cost and memory of the real program against two
yardsticks measured in the same run, subjects interleaved: a bare Qt window,
and a window of the same size showing one line of Chinese in each mapped
face. On a virtual display of our own, one lasting X connection watches the
root window for new top-level windows; a window counts as shown and painted
once a row of its pixels is no longer the black that an unpainted window
shows on a black-rooted Xvfb (-br). Start-up is also counted in instructions
to the first paint (callgrind), which do not move with the machine's load.
The Windows build's bench (wine_startup_bench.py) also times each start to the
window complete (Watcher.wait_complete)."""

import argparse
import glob
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay
from Xlib.error import XError

SETTINGS = "[搜索器设置：]\r\n皮肤=6\r\n".encode("gbk")
SETTINGS_NAME = "搜索器设置信息1.4.ini"
MAIN = (311, 496)
WELCOME = (580, 475)
UNPAINTED = b"\x00\x00\x00"
# A window is complete at the last change of its pixels before QUIET seconds
# with none: six times the longest pause seen between two paints of one start
# under wine (under 50 ms, while the program decodes logos between two
# flushes), and well short of the main window's clock, which redraws every
# second.
QUIET = 0.3
# Seconds watched once the window is quiet, for the rows that keep changing:
# more than the clock's second, so that a tick always falls within them.
STEADY = 1.2
# Seconds slept between two grabs of the whole window: about 90 grabs a
# second, which cost the bench 6 % of one core and Xvfb 3 %; at 5 ms they
# cost 30 %, too much beside a subject on a 2-core machine. A change is seen
# about 6 ms late on average.
POLL = 0.01


class Watcher:
    def __init__(self, name):
        self.x = xdisplay.Display(name)
        self.root = self.x.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.x.sync()

    def drain(self):
        while self.x.pending_events():
            self.x.next_event()

    def unpainted_row(self, window, size):
        """True while the middle row of the window still shows no painting."""
        image = window.get_image(0, size[1] // 2, size[0], 1, X.ZPixmap, 0xFFFFFFFF)
        data = image.data
        return all(data[i:i + 3] == UNPAINTED for i in range(0, len(data), 4))

    def wait_painted(self, size, process, timeout=20.0):
        """Seconds on perf_counter at which a mapped top-level window of
        `size` was first seen painted; None on timeout or early exit."""
        shown = self.wait_shown(size, process, timeout)
        return shown and shown[0]

    def wait_shown(self, size, process, timeout=20.0):
        """wait_painted's time, and the window."""
        deadline = time.perf_counter() + timeout
        candidates = []
        while time.perf_counter() < deadline:
            while self.x.pending_events():
                event = self.x.next_event()
                if event.type == X.MapNotify and event.event == self.root:
                    candidates.append(event.window)
            for window in candidates:
                try:
                    g = window.get_geometry()
                    if (g.width, g.height) != size:
                        continue
                    if not self.unpainted_row(window, size):
                        return time.perf_counter(), window
                except XError:
                    continue
            if process.poll() is not None:
                return None
            time.sleep(0.0005)
        return None

    def wait_complete(self, window, size, painted, timeout=10.0):
        """Seconds on perf_counter at which the window painted at `painted`
        was last seen changing before QUIET seconds with no change; None when
        it went away or never settled. The rows that still change in the
        STEADY seconds after the window first goes quiet (a clock, a caret,
        an animated picture) are left out, the whole row: one tick of a
        clock may touch only its last digit. Their first paint is not
        counted either; they are a sliver of the window."""
        try:
            frames = [(painted, grab(window, size))]  # each picture seen, from when it was first seen
            now = painted
            while now - frames[-1][0] < QUIET and now - painted < timeout:
                now = self._next_frame(window, size, frames)
            tail = len(frames) - 1
            watched = now + STEADY
            while now < watched:
                now = self._next_frame(window, size, frames)
        except XError:
            return None
        moving = changing_rows([data for _, data in frames[tail:]], size)
        return settled_at(frames, moving, size, now)

    def _next_frame(self, window, size, frames):
        time.sleep(POLL)
        data = grab(window, size)
        now = time.perf_counter()
        if data != frames[-1][1]:
            frames.append((now, data))
        return now


def grab(window, size):
    return window.get_image(0, 0, size[0], size[1], X.ZPixmap, 0xFFFFFFFF).data


def rows_of(data, size):
    stride = len(data) // size[1]
    return [data[y * stride:(y + 1) * stride] for y in range(size[1])]


def changing_rows(pictures, size):
    """Numbers of the rows that differ between any two successive pictures."""
    moving = set()
    for before, after in zip(pictures, pictures[1:]):
        moving.update(y for y, (a, b) in enumerate(zip(rows_of(before, size), rows_of(after, size))) if a != b)
    return moving


def settled_at(frames, moving, size, end):
    """The time of the last change outside the `moving` rows before QUIET
    seconds with none, among frames watched until `end`; None if there was
    no such pause."""
    def steady(data):
        return b"".join(row for y, row in enumerate(rows_of(data, size)) if y not in moving)

    last, previous = frames[0][0], steady(frames[0][1])
    for seen, data in frames[1:]:
        if seen - last >= QUIET:
            return last
        picture = steady(data)
        if picture != previous:
            last, previous = seen, picture
    return last if end - last >= QUIET else None


class Copy:
    """A fresh temporary run directory holding the program and, when asked,
    the files an earlier start would have left."""

    def __init__(self, binary, extra=()):
        self.dir = tempfile.mkdtemp(prefix="yz-bench-")
        self.exe = os.path.join(self.dir, os.path.basename(binary))
        shutil.copy2(binary, self.exe)
        for name, data in extra:
            with open(os.path.join(self.dir, name), "wb") as f:
                f.write(data)

    def remove(self):
        shutil.rmtree(self.dir, ignore_errors=True)


def spawn(exe, env, runner=(), args=()):
    """Starts exe (through runner, such as wine, when given) with args."""
    return subprocess.Popen([*runner, exe, *args], cwd="/", env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def stop(process):
    if process.poll() is None:
        process.send_signal(signal.SIGKILL)
    process.wait()


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    # utime and stime are fields 14 and 15 of the whole line.
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def run_nanoseconds(pid):
    """Time on the CPU of all threads, to the nanosecond (schedstat), beside
    the clock-tick figures of /proc/PID/stat."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        with open(f"/proc/{pid}/task/{task}/schedstat") as f:
            total += int(f.read().split()[0])
    return total


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return None


def time_start(watcher, exe, size, env, extra=(), runner=(), args=(), complete=False):
    """Milliseconds from the start to the window painted; with `complete`,
    the pair of that and the milliseconds to the window complete."""
    copy = Copy(exe, extra)
    watcher.drain()
    started = time.perf_counter()
    process = spawn(copy.exe, env, runner, args)
    shown = watcher.wait_shown(size, process)
    done = watcher.wait_complete(shown[1], size, shown[0]) if shown and complete else None
    exited = process.poll()
    stop(process)
    copy.remove()
    name = os.path.basename(exe)
    if shown is None:
        why = "timed out" if exited is None else f"exited with {exited}"
        raise RuntimeError(f"{name} {' '.join(args)}: no painted {size[0]}x{size[1]} window ({why})")
    if not complete:
        return (shown[0] - started) * 1000
    if done is None:
        raise RuntimeError(f"{name}: the window went away or never stayed unchanged for {QUIET} s")
    return (shown[0] - started) * 1000, (done - started) * 1000


def idle_and_memory(watcher, exe, size, env, extra, idle_seconds):
    copy = Copy(exe, extra)
    watcher.drain()
    process = spawn(copy.exe, env)
    try:
        if watcher.wait_painted(size, process) is None:
            raise RuntimeError(f"{os.path.basename(exe)}: no painted window")
        time.sleep(2.0)
        peak = peak_rss_kib(process.pid)
        before, precise_before = cpu_seconds(process.pid), run_nanoseconds(process.pid)
        time.sleep(idle_seconds)
        used = cpu_seconds(process.pid) - before
        precise = (run_nanoseconds(process.pid) - precise_before) / 1e9
        return used / idle_seconds * 100, peak / 1024, precise / idle_seconds * 100
    finally:
        stop(process)
        copy.remove()


def callgrind_instructions(exe, env, extra=(), timeout=300.0):
    """Instructions from exec to the end of the first window paint."""
    copy = Copy(exe, extra)
    out = os.path.join(copy.dir, "callgrind")
    process = subprocess.Popen(
        ["valgrind", "--tool=callgrind", "--dump-after=QWidgetRepaintManager::paintAndFlush*",
         f"--callgrind-out-file={out}.%p", copy.exe],
        cwd="/", env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = time.perf_counter() + timeout
        while time.perf_counter() < deadline and process.poll() is None:
            dumps = glob.glob(f"{out}.*.1")
            if dumps:
                time.sleep(0.2)  # the dump is written whole before the next event is served
                with open(dumps[0]) as f:
                    for line in f:
                        if line.startswith("totals:"):
                            return int(line.split()[1])
            time.sleep(0.1)
        raise RuntimeError(f"{os.path.basename(exe)}: no first paint under callgrind")
    finally:
        stop(process)
        copy.remove()


def spread(values, unit, digits=1):
    return f"median {statistics.median(values):.{digits}f} {unit} [{min(values):.{digits}f}..{max(values):.{digits}f}]"


def verdict(holds):
    return "holds" if holds else "MISSED"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--display", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--bare", required=True)
    parser.add_argument("--label", required=True, help="the one-CJK-label window")
    parser.add_argument("--engine", help="the skin engine file an earlier start left beside the program")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--idle-runs", type=int, default=3)
    parser.add_argument("--idle-seconds", type=float, default=10.0)
    parser.add_argument("--callgrind-runs", type=int, default=3, help="0 leaves callgrind out")
    args = parser.parse_args()

    env = {"PATH": "/usr/bin:/bin", "DISPLAY": args.display, "LANG": "C.UTF-8",
           "HOME": tempfile.gettempdir(), "XDG_RUNTIME_DIR": tempfile.mkdtemp(prefix="yz-bench-run-")}
    os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
    watcher = Watcher(args.display)
    later = [(SETTINGS_NAME, SETTINGS)]
    if args.engine:
        with open(args.engine, "rb") as f:
            later.append(("SkinH_EL.dll", f.read()))

    # Each subject: how it starts and which window it shows.
    subjects = {
        "later": (args.program, MAIN, later),
        "first": (args.program, WELCOME, ()),
        "bare": (args.bare, MAIN, ()),
        "label": (args.label, MAIN, ()),
    }
    # One untimed start of each warms the page cache and the font cache.
    for exe, size, extra in subjects.values():
        time_start(watcher, exe, size, env, extra)
    times = {name: [] for name in subjects}
    for _ in range(args.runs):
        for name, (exe, size, extra) in subjects.items():
            times[name].append(time_start(watcher, exe, size, env, extra))
    med = {name: statistics.median(values) for name, values in times.items()}
    later_ratio, first_ratio = med["later"] / med["label"], med["first"] / med["label"]
    print(f"later start (main window shown and painted), {args.runs} interleaved runs: {spread(times['later'], 'ms')}; "
          f"bare window {spread(times['bare'], 'ms')}; one-CJK-label window {spread(times['label'], 'ms')}; "
          f"{later_ratio:.2f}x the label window ({med['later'] / med['bare']:.2f}x bare), goal <= 1.4x: "
          f"{verdict(later_ratio <= 1.4)}")
    print(f"first start (welcome window shown and painted): {spread(times['first'], 'ms')}; "
          f"{first_ratio:.2f}x the label window ({med['first'] / med['bare']:.2f}x bare), goal <= 1.8x: "
          f"{verdict(first_ratio <= 1.8)}")
    sys.stdout.flush()

    if args.callgrind_runs > 0:
        counts = {name: [] for name in subjects}
        for _ in range(args.callgrind_runs):
            for name, (exe, _, extra) in subjects.items():
                counts[name].append(callgrind_instructions(exe, env, extra) / 1e6)
        mi = {name: statistics.median(values) for name, values in counts.items()}
        print(f"instructions to the first paint (callgrind, median of {args.callgrind_runs}): "
              f"later start {mi['later']:.1f} M, first start {mi['first']:.1f} M; bare window {mi['bare']:.1f} M; "
              f"one-CJK-label window {mi['label']:.1f} M; later start {mi['later'] / mi['label']:.2f}x the label "
              f"window, first start {mi['first'] / mi['label']:.2f}x")
        sys.stdout.flush()

    idle = {name: [] for name in ("later", "bare", "label")}
    precise = {name: [] for name in idle}
    peak = {name: [] for name in idle}
    for _ in range(args.idle_runs):
        for name in idle:
            exe, size, extra = subjects[name]
            cpu, rss, exact = idle_and_memory(watcher, exe, size, env, extra, args.idle_seconds)
            idle[name].append(cpu)
            precise[name].append(exact)
            peak[name].append(rss)
    cpu = {name: statistics.median(values) for name, values in precise.items()}
    mem = {name: statistics.median(values) for name, values in peak.items()}
    print(f"idle cost over {args.idle_seconds:.0f} s with the main window open, {args.idle_runs} interleaved runs "
          f"(schedstat): {cpu['later']:.3f} % of one core (runs {', '.join(f'{v:.3f}' for v in precise['later'])}; "
          f"clock ticks {statistics.median(idle['later']):.2f} %); bare window {cpu['bare']:.3f} %; "
          f"one-CJK-label window {cpu['label']:.3f} %; goal < 0.3 %: {verdict(cpu['later'] < 0.3)}")
    print(f"memory, peak resident 2 s after shown: {mem['later']:.1f} MiB; bare window {mem['bare']:.1f} MiB "
          f"(+{mem['later'] - mem['bare']:.1f}); one-CJK-label window {mem['label']:.1f} MiB "
          f"(+{mem['later'] - mem['label']:.1f}); goal <= bare + 14 MiB: {verdict(mem['later'] - mem['bare'] <= 14.0)}")
    held = (later_ratio <= 1.4, first_ratio <= 1.8, cpu["later"] < 0.3, mem["later"] - mem["bare"] <= 14.0)
    return 0 if all(held) else 1


if __name__ == "__main__":
    sys.exit(main())
