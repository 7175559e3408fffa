"""The real program meeting a broken run directory: a skin engine file that is
no library, is cut short or lacks its entry, a directory it may not write,
settings files of noise, of huge values and of NUL bytes, a launcher planted
beside it, and no display at all. Each case runs in a fresh copy of the
program's directory on a virtual display of this test's own."""

import os
import random
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
from desktop import WELCOME_ENTER, Desktop, ProgramCopy, is_main, is_welcome  # noqa: E402

BINARY = os.path.abspath(os.environ.get("YZ_BINARY", "build/bin/yanzhou-search"))
NO_ENTRY_LIBRARY = os.environ.get("YZ_NO_ENTRY_LIBRARY")
ENGINE = os.environ.get("YZ_ENGINE")
SECTION = "[搜索器设置：]\r\n".encode("gbk")
SKIN = "皮肤".encode("gbk")
HISTORY = "搜索记录".encode("gbk")
# Slow builds (the sanitizers) get more time to start.
PATIENCE = 40.0
# The sanitizers' run-time itself needs /proc to end a process normally.
with open(BINARY, "rb") as f:
    SANITIZED = b"__asan_init" in f.read()


def is_error_box(entry):
    return entry[1] == "错误"


def settings_file(*items):
    return SECTION + b"".join(key + b"=" + value + b"\r\n" for key, value in items)


class ProgramFaults(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def setUp(self):
        self.copy = ProgramCopy(BINARY)

    def tearDown(self):
        self.copy.remove()

    def file(self, name):
        return os.path.join(self.copy.dir, name)

    def put(self, name, data):
        with open(self.file(name), "wb") as f:
            f.write(data)

    def get(self, name):
        with open(self.file(name), "rb") as f:
            return f.read()

    def finish(self, expected_status):
        """Waits for the end and checks it was an orderly one."""
        status = self.copy.wait(timeout=PATIENCE)
        self.assertIsNotNone(status, "the program did not end")
        errors = self.copy.output()
        self.assertEqual(status, expected_status, errors[-2000:])
        for sign in ("Sanitizer", "runtime error:", "Segmentation"):
            self.assertNotIn(sign, errors)

    def expect_fatal_report(self):
        """The one message box, with no window of the program beside it;
        closing it ends the program with status 255."""
        box = self.desktop.wait_window(is_error_box, timeout=PATIENCE)
        self.assertIsNotNone(box, "no fatal report appeared")
        others = [w for w in self.desktop.windows() if is_main(w) or is_welcome(w)]
        self.assertEqual(others, [], "a window of the program appeared beside the report")
        self.desktop.ask_to_close(box[0])
        self.finish(255)

    def test_engine_file_that_cannot_serve_ends_in_the_fatal_report(self):
        noise = random.Random(7).randbytes(88576)
        cases = [("random bytes", noise), ("an empty file", b"")]
        if not NO_ENTRY_LIBRARY or not ENGINE:
            self.fail("YZ_NO_ENTRY_LIBRARY or YZ_ENGINE is not set")
        with open(NO_ENTRY_LIBRARY, "rb") as f:
            cases.append(("a library without the entry", f.read()))
        # The loader would map the missing pages and die of SIGBUS.
        with open(ENGINE, "rb") as f:
            cases.append(("the first 10 000 bytes of the real engine", f.read(10000)))
        for name, data in cases:
            with self.subTest(name):
                self.copy.remove()
                self.copy = ProgramCopy(BINARY)
                self.put("SkinH_EL.dll", data)
                self.copy.start(self.desktop)
                self.expect_fatal_report()
                # A file of that name is never replaced, whatever it holds.
                self.assertEqual(self.get("SkinH_EL.dll"), data)
                self.assertIsNone(self.copy.settings_bytes())

    def test_read_only_directory_without_engine_starts_with_the_carried_engine(self):
        # The engine comes from the program's own copy, in memory: the welcome
        # window instead of the fatal report, and nothing written anywhere.
        os.chmod(self.copy.dir, 0o555)
        os.chmod(self.copy.bin, 0o777)
        self.copy.start(self.desktop, user="nobody")
        welcome = self.desktop.wait_window(lambda w: is_welcome(w) or is_error_box(w), timeout=PATIENCE)
        self.assertIsNotNone(welcome, "no window appeared")
        self.assertTrue(is_welcome(welcome), "the fatal report instead of the welcome window")
        time.sleep(0.3)
        self.desktop.key("Escape")
        self.finish(0)
        self.assertEqual(sorted(os.listdir(self.copy.dir)), sorted([os.path.basename(BINARY), ".stand-in"]))

    def test_a_lock_another_process_keeps_on_the_folder_never_freezes_the_window(self):
        settings = settings_file((SKIN, b"6"), (HISTORY, b"old"))
        self.put("搜索器设置信息1.4.ini", settings)
        self.copy.start(self.desktop)
        main = self.desktop.wait_window(is_main, timeout=PATIENCE)
        self.assertIsNotNone(main, "the main window did not open")
        holder = subprocess.Popen(["flock", self.copy.dir, "sleep", "60"])
        try:
            time.sleep(0.3)
            for name in ("abc", "def"):
                self.desktop.click(main[2] + 117 + 20, main[3] + 8 + 10)
                self.desktop.key("ctrl+a")
                self.desktop.type(name)
                self.desktop.key("Return")
            # Typed within a second while the lock is kept for a minute; the
            # slack is for the sanitizers' build on a busy machine.
            deadline = time.time() + 3.0
            while len(self.copy.opened()) < 2 and time.time() < deadline:
                time.sleep(0.05)
            self.assertEqual(len(self.copy.opened()), 2, "a search waited on the lock")
            # The writes were skipped, as a locked file refuses them on Windows.
            self.assertEqual(self.copy.settings_bytes(), settings)
            self.desktop.key("Escape")
            self.finish(0)
        finally:
            holder.kill()
            holder.wait()

    def test_unwritable_directory_makes_every_start_a_first_start(self):
        # A first start as the owner leaves the engine file; Esc before
        # entering writes nothing.
        self.copy.start(self.desktop)
        self.assertIsNotNone(self.desktop.wait_window(is_welcome, timeout=PATIENCE))
        time.sleep(0.3)
        self.desktop.key("Escape")
        self.finish(0)
        self.assertTrue(os.path.exists(self.file("SkinH_EL.dll")))
        before = sorted(os.listdir(self.copy.dir))

        for start in range(2):
            with self.subTest(start=start):
                self.copy.start(self.desktop, user="nobody")
                welcome = self.desktop.wait_window(is_welcome, timeout=PATIENCE)
                self.assertIsNotNone(welcome, "a start as nobody skipped the welcome window")
                # The bar fills in about five seconds; then the enter button.
                time.sleep(6.5)
                self.desktop.click(welcome[2] + WELCOME_ENTER[0], welcome[3] + WELCOME_ENTER[1])
                main = self.desktop.wait_window(is_main, timeout=PATIENCE)
                self.assertIsNotNone(main, "the enter button did not open the main window")
                time.sleep(0.3)
                self.desktop.ask_to_close(main[0])
                self.finish(0)
                self.assertIsNone(self.copy.settings_bytes())
                self.assertEqual(sorted(os.listdir(self.copy.dir)), before)

    def test_a_launcher_planted_beside_the_program_is_never_run(self):
        # An empty or relative PATH element means the current directory,
        # which is the program's own: nothing there runs, not the browser
        # launcher, not D-Bus's (there is no session bus here).
        planted = self.file("planted-ran")
        for name in ("xdg-open", "dbus-launch"):
            self.put(name, f"#!/bin/sh\ntouch '{planted}'\n".encode())
            os.chmod(self.file(name), 0o755)
        self.put("搜索器设置信息1.4.ini", settings_file((SKIN, b"6")))
        for path in (f":{self.copy.bin}:/usr/bin:/bin", f".:{self.copy.bin}", f"bin::{self.copy.bin}:"):
            with self.subTest(path=path):
                if os.path.exists(planted):
                    os.remove(planted)
                self.copy.start(self.desktop, path=path)
                main = self.desktop.wait_window(is_main, timeout=PATIENCE)
                self.assertIsNotNone(main, "the main window did not open")
                self.desktop.click(main[2] + 117 + 20, main[3] + 8 + 10)
                self.desktop.key("ctrl+a")
                self.desktop.type("abc")
                self.desktop.key("Return")
                deadline = time.time() + 10
                while not self.copy.opened() and not os.path.exists(planted) and time.time() < deadline:
                    time.sleep(0.05)
                time.sleep(0.3)
                self.desktop.key("Escape")
                self.finish(0)
                self.assertFalse(os.path.exists(planted), "the planted launcher ran")
                self.assertEqual(len(self.copy.opened()), 1, "the stand-in launcher was not run")
                os.remove(self.copy.opened_log)

    def test_without_a_display_one_line_and_status_one(self):
        unused = next(f":{n}" for n in range(900, 1000) if not os.path.exists(f"/tmp/.X11-unix/X{n}"))
        before = sorted(os.listdir(self.copy.dir))
        # The program needs X: a Wayland session without it is no display either.
        for display, wayland, named in ((None, None, "DISPLAY is not set"), (unused, None, f'"{unused}"'),
                                        (None, "wayland-0", "DISPLAY is not set")):
            with self.subTest(display=display, wayland=wayland):
                env = {"PATH": "/usr/bin:/bin", "HOME": self.copy.dir, "LANG": "C.UTF-8"}
                if display:
                    env["DISPLAY"] = display
                if wayland:
                    env["WAYLAND_DISPLAY"] = wayland
                for keep in ("ASAN_OPTIONS", "UBSAN_OPTIONS"):
                    if keep in os.environ:
                        env[keep] = os.environ[keep]
                run = subprocess.run([self.copy.exe], env=env, cwd="/", capture_output=True, timeout=PATIENCE)
                self.assertEqual(run.returncode, 1, run.stderr[-2000:])
                lines = run.stderr.decode("utf-8", "replace").splitlines()
                self.assertEqual(len(lines), 1, lines)
                self.assertIn(named, lines[0])
                self.assertEqual(run.stdout, b"")
                self.assertEqual(sorted(os.listdir(self.copy.dir)), before)

    def test_without_proc_the_program_directory_is_still_its_own_or_the_start_fails(self):
        # /proc hidden: the name the program was started by, made absolute.
        # A library planted in the current directory is never loaded.
        hide_proc = ["unshare", "-m", "sh", "-c", 'mount -t tmpfs none /proc && exec "$0"']
        if not SANITIZED:
            elsewhere = tempfile.mkdtemp(prefix="yz-cwd-")
            try:
                with open(NO_ENTRY_LIBRARY, "rb") as f:
                    planted = f.read()
                with open(os.path.join(elsewhere, "SkinH_EL.dll"), "wb") as f:
                    f.write(planted)
                self.copy.start(self.desktop, around=hide_proc, cwd=elsewhere)
                welcome = self.desktop.wait_window(is_welcome, timeout=PATIENCE)
                self.assertIsNotNone(welcome, "the welcome window did not open")
                time.sleep(0.3)
                self.desktop.key("Escape")
                self.finish(0)
                self.assertTrue(os.path.exists(self.file("SkinH_EL.dll")))
                self.assertEqual(os.listdir(elsewhere), ["SkinH_EL.dll"])
            finally:
                shutil.rmtree(elsewhere)

        # Started as "./yanzhou-search" from a directory whose path is longer
        # than any path: nothing names the directory absolutely.
        deep = ("import os, sys; os.chdir(sys.argv[1]); [os.chdir('d' * 200) for _ in range(22)];"
                "os.execv('./yanzhou-search', ['./yanzhou-search'])")
        fd = os.open(self.copy.dir, os.O_RDONLY)
        for _ in range(22):
            os.mkdir("d" * 200, dir_fd=fd)
            inner = os.open("d" * 200, os.O_RDONLY, dir_fd=fd)
            os.close(fd)
            fd = inner
        os.link(self.copy.exe, "yanzhou-search", dst_dir_fd=fd)
        os.close(fd)
        self.copy.exe = self.copy.dir
        self.copy.start(self.desktop, around=["unshare", "-m", "sh", "-c",
                                               'mount -t tmpfs none /proc && exec python3 -c "$0" "$1"', deep])
        self.expect_fatal_report()

    def test_an_engine_file_cut_short_while_it_loads_never_crashes_the_program(self):
        # Another process truncates the engine and writes it back, again and
        # again: each start opens the main window or ends in the fatal report.
        self.put("搜索器设置信息1.4.ini", settings_file((SKIN, b"6")))
        with open(ENGINE, "rb") as f:
            engine = f.read()
        stop = threading.Event()

        def churn():
            while not stop.is_set():
                with open(self.file("SkinH_EL.dll"), "r+b") as f:
                    f.truncate(1000)
                    f.seek(0)
                    f.write(engine)

        self.put("SkinH_EL.dll", engine)
        writer = threading.Thread(target=churn)
        writer.start()
        try:
            for start in range(6):
                with self.subTest(start=start):
                    self.copy.start(self.desktop)
                    seen = self.desktop.wait_window(lambda w: is_main(w) or is_error_box(w), timeout=PATIENCE)
                    self.assertIsNotNone(seen, f"neither the main window nor the report appeared: "
                                               f"{self.desktop.windows()} {self.copy.process.poll()}")
                    time.sleep(0.3)
                    self.desktop.ask_to_close(seen[0])
                    self.finish(255 if is_error_box(seen) else 0)
        finally:
            stop.set()
            writer.join()

    def test_damaged_settings_files_still_open_the_main_window(self):
        noise = random.Random(11).randbytes(1 << 20)
        cases = [
            ("a megabyte of random bytes", noise),
            ("a skin number of 20 000 digits", settings_file((SKIN, b"7" * 20000))),
            ("a book name of 20 000 bytes", settings_file((SKIN, b"6"), (HISTORY, "书".encode("gbk") * 10000))),
            ("NUL bytes in names and values",
             SECTION.replace(b"\r\n", b"\x00\r\n") + SKIN + b"=\x006\r\n" + HISTORY + b"=a\x00b\r\n\x00"),
        ]
        for name, data in cases:
            with self.subTest(name):
                self.copy.remove()
                self.copy = ProgramCopy(BINARY)
                self.put("搜索器设置信息1.4.ini", data)
                self.copy.start(self.desktop)
                main = self.desktop.wait_window(is_main, timeout=PATIENCE)
                self.assertIsNotNone(main, "the main window did not open")
                self.assertIsNone(self.desktop.wait_window(is_welcome, timeout=0.3))
                # Let the timers run a while: the caption and the clock.
                time.sleep(1.5)
                self.assertIsNone(self.copy.process.poll(), "the program ended on its own")
                self.desktop.ask_to_close(main[0])
                self.finish(0)
                # A later start reads the file and writes nothing.
                self.assertEqual(self.copy.settings_bytes(), data)


if __name__ == "__main__":
    unittest.main(verbosity=2)
