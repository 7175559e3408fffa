"""Start-up time, idle cost and memory of the real program against a bare Qt
window, on a virtual display of our own. One lasting X connection watches
the root window for new top-level windows; a window counts as shown and
painted once a row of its pixels is no longer the black that an unpainted
window shows on a black-rooted Xvfb (-br)."""

import argparse
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
                        return time.perf_counter()
                except XError:
                    continue
            if process.poll() is not None:
                return None
            time.sleep(0.0005)
        return None


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


def spawn(exe, env):
    return subprocess.Popen([exe], cwd="/", env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


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


def time_start(watcher, exe, size, env, extra=()):
    copy = Copy(exe, extra)
    watcher.drain()
    started = time.perf_counter()
    process = spawn(copy.exe, env)
    painted = watcher.wait_painted(size, process)
    stop(process)
    copy.remove()
    if painted is None:
        raise RuntimeError(f"{os.path.basename(exe)}: no painted {size[0]}x{size[1]} window")
    return (painted - started) * 1000


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


def verdict(holds):
    return "holds" if holds else "MISSED"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--display", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--bare", required=True)
    parser.add_argument("--engine", help="the skin engine file an earlier start left beside the program")
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--idle-runs", type=int, default=3)
    parser.add_argument("--idle-seconds", type=float, default=10.0)
    args = parser.parse_args()

    env = {"PATH": "/usr/bin:/bin", "DISPLAY": args.display, "LANG": "C.UTF-8",
           "HOME": tempfile.gettempdir(), "XDG_RUNTIME_DIR": tempfile.mkdtemp(prefix="yz-bench-run-")}
    os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
    watcher = Watcher(args.display)
    later = [(SETTINGS_NAME, SETTINGS)]
    if args.engine:
        with open(args.engine, "rb") as f:
            later.append(("SkinH_EL.dll", f.read()))

    # One untimed start of each warms the page cache and the font cache.
    time_start(watcher, args.program, MAIN, env, later)
    time_start(watcher, args.bare, MAIN, env)
    program_later, program_first, bare = [], [], []
    for _ in range(args.runs):
        program_later.append(time_start(watcher, args.program, MAIN, env, later))
        bare.append(time_start(watcher, args.bare, MAIN, env))
        program_first.append(time_start(watcher, args.program, WELCOME, env))

    later_ms, first_ms, bare_ms = map(statistics.median, (program_later, program_first, bare))
    print(f"later start (main window shown and painted): median {later_ms:.1f} ms over {args.runs} runs "
          f"[{min(program_later):.1f}..{max(program_later):.1f}]; bare window {bare_ms:.1f} ms "
          f"[{min(bare):.1f}..{max(bare):.1f}]; ratio {later_ms / bare_ms:.2f}, goal <= 1.5: "
          f"{verdict(later_ms <= 1.5 * bare_ms)}")
    print(f"first start (welcome window shown and painted): median {first_ms:.1f} ms "
          f"[{min(program_first):.1f}..{max(program_first):.1f}]; bare window {bare_ms:.1f} ms; "
          f"ratio {first_ms / bare_ms:.2f}, goal <= 1.5: {verdict(first_ms <= 1.5 * bare_ms)}")
    sys.stdout.flush()

    program_idle, program_precise, program_peak, bare_idle, bare_peak = [], [], [], [], []
    for _ in range(args.idle_runs):
        cpu, peak, precise = idle_and_memory(watcher, args.program, MAIN, env, later, args.idle_seconds)
        program_idle.append(cpu)
        program_precise.append(precise)
        program_peak.append(peak)
        cpu, peak, _ = idle_and_memory(watcher, args.bare, MAIN, env, (), args.idle_seconds)
        bare_idle.append(cpu)
        bare_peak.append(peak)
    idle, bare_cpu = statistics.median(program_idle), statistics.median(bare_idle)
    peak, bare_mem = statistics.median(program_peak), statistics.median(bare_peak)
    print(f"idle cost over {args.idle_seconds:.0f} s with the main window open: {idle:.2f} % of one core "
          f"(runs {', '.join(f'{v:.2f}' for v in program_idle)}; by schedstat "
          f"{statistics.median(program_precise):.2f} %); bare window {bare_cpu:.2f} %; "
          f"goal < 1 %: {verdict(idle < 1.0)}")
    print(f"memory, peak resident 2 s after shown: {peak:.1f} MiB; bare window {bare_mem:.1f} MiB; "
          f"difference {peak - bare_mem:.1f} MiB, goal <= 15 MiB more: {verdict(peak - bare_mem <= 15.0)}")
    held = (later_ms <= 1.5 * bare_ms, first_ms <= 1.5 * bare_ms, idle < 1.0, peak - bare_mem <= 15.0)
    return 0 if all(held) else 1


if __name__ == "__main__":
    sys.exit(main())
