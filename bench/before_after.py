"""Start-up of two builds of the program, a change's before and after, their
starts interleaved beside a yardstick in the same run (docs/performance.md):
later starts to the main window painted, and on Linux first starts to the
welcome window. Run on a display of its own (DISPLAY); under wine (--wine)
from a shell that sourced tools/wine-env.sh. Sizes are the client areas
watched for, WIDTHxHEIGHT, where they differ from the main window's.

    before_after.py --old EXE --new EXE --yardstick EXE --engine-old DLL --engine-new DLL
                    [--wine] [--runs N] [--size-old WxH] [--size-new WxH] [--size-yard WxH]
                    [--beside-new FILE ...]

--beside-new adds a subject: the new build's later start with these files
beside it too (the reader's catalogue, say)."""
import argparse, os, statistics, sys, tempfile
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from startup_bench import SETTINGS, SETTINGS_NAME, MAIN, WELCOME, Watcher, time_start, spread

p = argparse.ArgumentParser()
p.add_argument("--old"); p.add_argument("--new"); p.add_argument("--yardstick")
p.add_argument("--engine-old"); p.add_argument("--engine-new")
p.add_argument("--wine", action="store_true"); p.add_argument("--runs", type=int, default=15)
p.add_argument("--size-old", default=None); p.add_argument("--size-new", default=None); p.add_argument("--size-yard", default=None)
p.add_argument("--beside-new", nargs="*", default=[])
a = p.parse_args()
env = dict(os.environ) if a.wine else {"PATH": "/usr/bin:/bin", "DISPLAY": os.environ["DISPLAY"], "LANG": "C.UTF-8",
      "HOME": tempfile.gettempdir(), "XDG_RUNTIME_DIR": tempfile.mkdtemp(prefix="yz-ba-")}
if not a.wine: os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
runner = ("wine",) if a.wine else ()
w = Watcher(env["DISPLAY"])
def sz(s, d): return tuple(map(int, s.split("x"))) if s else d
def later(engine): return [(SETTINGS_NAME, SETTINGS), ("SkinH_EL.dll", open(engine, "rb").read())]
subjects = {
    "old later": (a.old, sz(a.size_old, MAIN), later(a.engine_old), ()),
    "new later": (a.new, sz(a.size_new, MAIN), later(a.engine_new), ()),
    "yardstick": (a.yardstick, sz(a.size_yard, MAIN), (), ("label",) if a.wine else ()),
}
if a.beside_new:
    beside = [(os.path.basename(f), open(f, "rb").read()) for f in a.beside_new]
    subjects["new+files"] = (a.new, sz(a.size_new, MAIN), later(a.engine_new) + beside, ())
if not a.wine:
    subjects["old first"] = (a.old, WELCOME, (), ())
    subjects["new first"] = (a.new, WELCOME, (), ())
for exe, size, extra, argv in subjects.values():
    time_start(w, exe, size, env, extra, runner, argv)
t = {k: [] for k in subjects}
for _ in range(a.runs):
    for k, (exe, size, extra, argv) in subjects.items():
        t[k].append(time_start(w, exe, size, env, extra, runner, argv))
y = statistics.median(t["yardstick"])
for k in subjects:
    print(f"{k:10s} {spread(t[k], 'ms')}  {statistics.median(t[k]) / y:.2f}x yardstick")
