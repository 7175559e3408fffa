"""A desktop for driving the real program as a person would: a virtual X
display (Xvfb), a fresh copy of the program's directory, a stand-in browser
launcher that records what it is handed, one lasting X connection to find the
program's windows, and xdotool for the mouse and keys.

The Windows build (a binary named *.exe) runs under wine on the display and
with the wine server that tools/wine-env.sh set up; wine's shell hands
addresses to the first xdg-open on the PATH, so the same stand-in records
them."""

import os
import shutil
import signal
import subprocess
import tempfile
import time

from Xlib import X, display as xdisplay

SCREEN = (1920, 1080)

# The program's two windows as X shows them. The main window is known by its
# title; the welcome window by its size, since X is told the program's name
# for a window without a title.
MAIN_TITLE = "砚舟小说搜索器V1.4正式版 "
WELCOME = (580, 475)
WELCOME_ENTER = (184 + 112, 40 + 12)  # the middle of ★★★进入软件☆☆☆, once the bar is full


def is_main(entry):
    return entry[1] == MAIN_TITLE


def is_welcome(entry):
    return entry[1] != MAIN_TITLE and (entry[4], entry[5]) == WELCOME

STAND_IN_XDG_OPEN = """#!/bin/sh
# Records the address the program hands to the browser launcher.
for a in "$@"; do printf '%s\\n' "$a" >> "$YZ_OPENED_LOG"; done
"""


def under_wine(binary):
    return binary.endswith(".exe")


# What tools/wine-env.sh sets for wine: the prefix with its running server,
# and the Chinese locale that gives wine code page 936.
WINE_ENVIRONMENT = ("WINEPREFIX", "WINEDEBUG", "WINEDLLOVERRIDES", "LOCPATH", "LANG", "LC_ALL")


class Desktop:
    def __init__(self, screen=SCREEN, wine=False):
        """A display of its own, or for wine the display of DISPLAY, to which
        tools/wine-env.sh tied wine's server."""
        self.screen = screen
        self.wine = wine
        self.xvfb = None
        if wine:
            self.name = os.environ["DISPLAY"]
            self.number = int(self.name.lstrip(":").split(".")[0])
            self.connect()
            return
        # Xvfb picks a free display number itself, so that runs side by side
        # never share a server.
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{screen[0]}x{screen[1]}x24",
             "-nolisten", "tcp", "-ac"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as f:
            self.number = int(f.readline())
        self.name = f":{self.number}"
        self.connect()

    def connect(self):
        self.x = xdisplay.Display(self.name)
        self.root = self.x.screen().root
        self.atom_name = self.x.intern_atom("_NET_WM_NAME")
        self.atom_utf8 = self.x.intern_atom("UTF8_STRING")
        self.atom_protocols = self.x.intern_atom("WM_PROTOCOLS")
        self.atom_delete = self.x.intern_atom("WM_DELETE_WINDOW")

    def close(self):
        try:
            self.x.close()
        except Exception:
            pass
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()

    # --- windows -------------------------------------------------------
    def windows(self):
        """Mapped top-level windows: (window, title, x, y, width, height)."""
        found = []
        for w in self.root.query_tree().children:
            try:
                attrs = w.get_attributes()
                if attrs.map_state != X.IsViewable or attrs.win_class == X.InputOnly:
                    continue
                g = w.get_geometry()
                prop = w.get_full_property(self.atom_name, self.atom_utf8)
                title = prop.value.decode("utf-8") if prop else (w.get_wm_name() or "")
                found.append((w, title, g.x, g.y, g.width, g.height))
            except Exception:
                continue
        return found

    def wait_window(self, predicate, timeout=15.0):
        deadline = time.time() + timeout
        while time.time() < deadline:
            for entry in self.windows():
                if predicate(entry):
                    return entry
            time.sleep(0.05)
        return None

    def point_at(self, entry):
        """Rests the pointer in a window's bottom right corner. Wine, with no
        window manager to give a new window the keyboard, leaves X's focus
        to follow the pointer."""
        self.move(entry[2] + entry[4] - 2, entry[3] + entry[5] - 2)

    def wait_welcome_ready(self, welcome, timeout=15.0):
        """Waits until the welcome window's bar gives way to the enter button;
        False if it never does."""
        time.sleep(0.5)
        bar = self.pixel(welcome[0], 20, 47)
        deadline = time.time() + timeout
        while self.pixel(welcome[0], 20, 47) == bar:
            if time.time() > deadline:
                return False
            time.sleep(0.05)
        time.sleep(0.3)
        return True

    def pixel(self, window, x, y):
        image = window.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF)
        b, g, r = image.data[0], image.data[1], image.data[2]
        return (r, g, b)

    def ask_to_close(self, window):
        """What a window manager does for the close button."""
        from Xlib.protocol import event
        ev = event.ClientMessage(window=window, client_type=self.atom_protocols,
                                 data=(32, [self.atom_delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(ev)
        self.x.flush()

    # --- input (xdotool, as a person would) ----------------------------
    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], check=True,
                       env={**os.environ, "DISPLAY": self.name})

    def move(self, x, y):
        # xdotool's --sync waits for the pointer to move: 15 s for nothing
        # when it is already there.
        pointer = self.root.query_pointer()
        if (pointer.root_x, pointer.root_y) != (x, y):
            self.xdotool("mousemove", "--sync", x, y)

    def click(self, x, y):
        self.move(x, y)
        self.xdotool("click", "1")

    def key(self, *names):
        self.xdotool("key", "--delay", "40", *names)

    def type(self, text):
        # Wine reads a key bound ahead as no character at all, but it does
        # read xdotool's own passing remap, if it looks the key up before
        # xdotool undoes the remap, which it does after waiting part of the
        # delay: a long delay leaves a busy wine the time (with 40 ms, one
        # run in five lost a character while other builds ran).
        if not self.wine:
            self.bind_keys(text)
            self.xdotool("type", "--delay", "40", text)
        else:
            self.xdotool("type", "--delay", "300", text)

    def bind_keys(self, text):
        """Gives each character the keyboard lacks a keycode of its own, once.
        xdotool would otherwise remap a spare key for it and undo that at
        once, and a client that fetches the keyboard map late reads the undone
        map and loses the character."""
        first = self.x.display.info.min_keycode
        count = self.x.display.info.max_keycode - first + 1
        mapping = self.x.get_keyboard_mapping(first, count)
        present = {sym for syms in mapping for sym in syms}
        free = [first + i for i, syms in enumerate(mapping) if not any(syms)]
        missing = {0x01000000 | ord(c) for c in text if ord(c) > 0xFF} - present
        for keysym in missing:
            self.x.change_keyboard_mapping(free.pop(), [(keysym, keysym)])
        if missing:
            self.x.sync()
            time.sleep(0.5)

    def screenshot(self, path, window=None):
        """The whole screen, or one window's client area."""
        target = hex(window.id) if window is not None else "root"
        subprocess.run(["import", "-display", self.name, "-window", target, path], check=True)


class ProgramCopy:
    """A fresh temporary copy of the program's directory, run with a stand-in
    xdg-open first on PATH."""

    def __init__(self, binary):
        self.wine = under_wine(binary)
        self.dir = tempfile.mkdtemp(prefix="yz-e2e-")
        os.chmod(self.dir, 0o755)
        self.exe = os.path.join(self.dir, os.path.basename(binary))
        shutil.copy2(binary, self.exe)
        self.bin = os.path.join(self.dir, ".stand-in")
        os.mkdir(self.bin)
        launcher = os.path.join(self.bin, "xdg-open")
        with open(launcher, "w") as f:
            f.write(STAND_IN_XDG_OPEN)
        os.chmod(launcher, 0o755)
        self.opened_log = os.path.join(self.bin, "opened.log")
        self.process = None

    def settings_path(self):
        return os.path.join(self.dir, "搜索器设置信息1.4.ini")

    def settings_bytes(self):
        try:
            with open(self.settings_path(), "rb") as f:
                return f.read()
        except FileNotFoundError:
            return None

    def opened(self):
        try:
            with open(self.opened_log, "rb") as f:
                return f.read().split(b"\n")[:-1]
        except FileNotFoundError:
            return []

    def output(self):
        """What the program wrote to its standard output and error."""
        with open(os.path.join(self.bin, "program.log"), "rb") as f:
            return f.read().decode("utf-8", "replace")

    def start(self, desktop, user=None, path=None, around=(), cwd="/"):
        """Starts the copy; `around` is a command that runs it (its last
        argument), `cwd` the directory it starts in."""
        env = {
            "PATH": path or self.bin + ":/usr/local/bin:/usr/bin:/bin",
            "DISPLAY": desktop.name,
            "YZ_OPENED_LOG": self.opened_log,
            "HOME": self.dir,
            "XDG_RUNTIME_DIR": self.dir,
            "LANG": "C.UTF-8",
        }
        # The session bus and Qt's switch for screen readers, where a test set them.
        kept = ("ASAN_OPTIONS", "UBSAN_OPTIONS", "DBUS_SESSION_BUS_ADDRESS", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON",
                "QT_SCALE_FACTOR")
        for keep in kept + (WINE_ENVIRONMENT if self.wine else ()):
            if keep in os.environ:
                env[keep] = os.environ[keep]
        command = ["wine", self.exe] if self.wine else [self.exe]
        if user:
            command = ["setpriv", f"--reuid={user}", f"--regid={user if user != 'nobody' else 'nogroup'}",
                       "--clear-groups", self.exe]
        self.log = open(os.path.join(self.bin, "program.log"), "ab")
        self.process = subprocess.Popen(list(around) + command, cwd=cwd, env=env, stdout=self.log, stderr=self.log)
        return self.process

    def wait(self, timeout=10.0):
        try:
            status = self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None
        self.log.close()
        return status

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.send_signal(signal.SIGKILL)
            self.process.wait()
        if self.process:
            self.log.close()

    def remove(self):
        self.stop()
        subprocess.run(["chmod", "-R", "u+w", self.dir])
        shutil.rmtree(self.dir, ignore_errors=True)
