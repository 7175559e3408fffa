"""Screenshots of both windows and of every page and inner page of the main
window, taken from the real program on a virtual display and driven with the
mouse as a reader would: a first start (the welcome window while its bar fills
and once it offers to enter), then every tab of the main window.

    bash tools/start.sh --screenshots       (builds the program first)
    bash tools/windows-screenshots.sh       (the Windows build under wine)
    /usr/bin/python3 tools/screenshots.py [PROGRAM [FOLDER]]
    /usr/bin/python3 tools/screenshots.py --scale 1.5 PROGRAM FOLDER
        (the welcome window once ready and the main window's first page, on a
        display at that scale: QT_SCALE_FACTOR for the Linux build, the wine
        prefix's LogPixels for the Windows build, set by the caller)

Tabs are found by clicking along each tab strip until the strip shows a new
page, so the shots follow whatever widths the tab titles come to have."""

import hashlib
import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
from desktop import WELCOME, WELCOME_ENTER, Desktop, ProgramCopy, is_main, is_welcome, under_wine  # noqa: E402
from Xlib import X  # noqa: E402

# The main window's tab controls as the layout places them in the client area
# (x, y, width, height; the pages of 选择夹1 start at its own corner) and the
# side their tabs are on. 选择夹1's pages, in order, each with its inner tab
# control, if any, and the names its pages get in the file names.
OUTER = ((0, 80, 310, 416), "top")
PAGES = [
    ("sites", ((2, 101, 307, 393), "top"), ["page-1", "page-2"]),                 # 小说名站: 选择夹3
    ("books", ((0, 101, 307, 393), "right"), ["xuanhuan-qihuan", "wuxia-xianxia",  # 小说推荐: 选择夹4
                                              "dushi-yanqing", "junshi-lishi",
                                              "youxi-jingji", "kehuan-lingyi"]),
    ("settings", None, []),                                                         # 软件设置
    ("notes", ((0, 99, 307, 395), "top"), ["updates", "introduction",               # 软件公告: 选择夹2
                                           "antivirus", "speed-grades"]),
    ("downloads", None, []),                                                        # 下载链接
]
STRIP = 20     # a tab strip's depth, as the program draws it
STEP = 8       # well under the narrowest tab
MIN_TAB = 40   # under the narrowest tab: three characters of 12 px and the padding
SETTLE = 0.08  # a click's repaint, checked again until two looks agree
# The README's picture at the top: two pages side by side.
OVERVIEW = ("main-1-sites-1-page-1", "main-2-books-1-xuanhuan-qihuan")


class Shooter:
    def __init__(self, desktop, folder):
        self.desktop = desktop
        self.folder = folder
        self.taken = []

    def shot(self, window, name):
        path = os.path.join(self.folder, name + ".png")
        self.desktop.screenshot(path + ".tmp.png", window[0])
        # No time stamps inside, so a remade shot differs only where its pixels do.
        subprocess.run(["/usr/bin/convert", path + ".tmp.png", "-strip", path], check=True)
        os.remove(path + ".tmp.png")
        self.taken.append(name)
        print(path)


def look(window, band):
    x, y, w, h = band
    image = window[0].get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF)
    return hashlib.sha1(image.data).digest()


def settled_look(window, band):
    time.sleep(SETTLE)
    before = look(window, band)
    deadline = time.time() + 3
    while time.time() < deadline:
        time.sleep(SETTLE)
        now = look(window, band)
        if now == before:
            return now
        before = now
    raise RuntimeError("the tab strip never settled")


def each_page(desktop, window, tab_control, count):
    """Clicks along a tab strip, moving the pointer off the window after each
    click so that no hover shows; yields each time the strip shows a page it
    has not shown before, the first page (already shown) included."""
    (x, y, w, h), side = tab_control
    # Short of the strip's inner edge, where an inner tab control may begin.
    band = (x, y, w, STRIP - 2) if side == "top" else (x + w - STRIP + 2, y, STRIP - 2, h)
    seen = [settled_look(window, band)]
    yield 0
    start, end = (x, x + w) if side == "top" else (y, y + h)
    at, last_in_old_tab = start + STEP // 2, start
    while at < end:
        px, py = (at, y + STRIP // 2) if side == "top" else (x + w - STRIP // 2, at)
        desktop.xdotool("mousemove", "--sync", window[2] + px, window[3] + py, "click", "1",
                        "mousemove", "--sync", 0, 0)
        now = settled_look(window, band)
        if now in seen:
            last_in_old_tab, at = at, at + STEP
            continue
        seen.append(now)
        yield len(seen) - 1
        if len(seen) == count:
            return
        # The tab just found began after the last click that missed it, and
        # is at least MIN_TAB long: the next one cannot begin before that.
        at = max(at + STEP, last_in_old_tab + MIN_TAB)
    raise RuntimeError(f"found {len(seen)} of {count} tabs along {tab_control}")


def take_all(program, folder):
    os.makedirs(folder, exist_ok=True)
    for stale in os.listdir(folder):  # the folder holds this tool's shots only
        if stale.endswith(".png"):
            os.remove(os.path.join(folder, stale))
    desktop = Desktop(wine=under_wine(program))
    copy = ProgramCopy(program)
    shooter = Shooter(desktop, folder)
    try:
        copy.start(desktop)
        welcome = desktop.wait_window(is_welcome)
        if welcome is None:
            raise RuntimeError("no welcome window: " + copy.output())
        time.sleep(2.0)
        shooter.shot(welcome, "welcome-1-loading")
        if not desktop.wait_welcome_ready(welcome):
            raise RuntimeError("the welcome window's bar never filled")
        shooter.shot(welcome, "welcome-2-ready")
        desktop.click(welcome[2] + WELCOME_ENTER[0], welcome[3] + WELCOME_ENTER[1])
        main = desktop.wait_window(is_main)
        if main is None:
            raise RuntimeError("no main window: " + copy.output())
        time.sleep(1.2)  # the clock line's first tick
        outer_pages = each_page(desktop, main, OUTER, len(PAGES))
        for number, (page, inner, inner_names) in enumerate(PAGES, 1):
            next(outer_pages)
            stem = f"main-{number}-{page}"
            if inner is None:
                shooter.shot(main, stem)
                continue
            for index in each_page(desktop, main, inner, len(inner_names)):
                shooter.shot(main, f"{stem}-{index + 1}-{inner_names[index]}")
        paths = [os.path.join(folder, name + ".png") for name in OVERVIEW]
        subprocess.run(["/usr/bin/convert", *paths, "+append", "-strip",
                        os.path.join(folder, "main-window.png")], check=True)
    finally:
        copy.remove()
        desktop.close()
    return shooter.taken


def take_scaled(program, folder, scale):
    os.makedirs(folder, exist_ok=True)
    # A screen that is 1920 x 1080 at the scale, where both windows lie whole.
    desktop = Desktop(screen=(round(1920 * scale), round(1080 * scale)), wine=under_wine(program))
    copy = ProgramCopy(program)
    shooter = Shooter(desktop, folder)
    welcome_size = tuple(round(side * scale) for side in WELCOME)
    try:
        copy.start(desktop)
        welcome = desktop.wait_window(
            lambda e: not is_main(e) and all(abs(a - b) <= 1 for a, b in zip((e[4], e[5]), welcome_size)))
        if welcome is None:
            raise RuntimeError("no welcome window: " + copy.output())
        # The bar's far end fills last, and the enter button then takes its place.
        end = (round(560 * scale), round(47 * scale))
        colours = [desktop.pixel(welcome[0], *end)]
        deadline = time.time() + 20
        while len(colours) < 3 and time.time() < deadline:
            time.sleep(0.05)
            if desktop.pixel(welcome[0], *end) != colours[-1]:
                colours.append(desktop.pixel(welcome[0], *end))
        time.sleep(0.5)
        shooter.shot(welcome, "welcome-2-ready")
        desktop.click(welcome[2] + round(WELCOME_ENTER[0] * scale), welcome[3] + round(WELCOME_ENTER[1] * scale))
        main = desktop.wait_window(is_main)
        if main is None:
            raise RuntimeError("no main window: " + copy.output())
        time.sleep(1.2)
        shooter.shot(main, "main-1-sites-1-page-1")
    finally:
        copy.remove()
        desktop.close()
    return shooter.taken


def main():
    if len(sys.argv) == 5 and sys.argv[1] == "--scale":
        taken = take_scaled(os.path.abspath(sys.argv[3]), sys.argv[4], float(sys.argv[2]))
        print(f"{len(taken)} screenshots in {os.path.normpath(sys.argv[4])}")
        return
    program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build", "bin", "yanzhou-search"))
    folder = sys.argv[2] if len(sys.argv) > 2 else os.path.join(HERE, "..", "docs", "screenshots")
    taken = take_all(program, folder)
    print(f"{len(taken)} screenshots and the overview in {os.path.normpath(folder)}")


if __name__ == "__main__":
    main()
