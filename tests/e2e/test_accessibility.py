"""The real program as a screen reader meets it on Linux: its AT-SPI tree on
a private session bus (run under dbus-run-session), pages opened through
their tabs' actions, and a site opened through a link's press action."""

import os
import sys
import time
import unittest

import pyatspi

sys.path.insert(0, os.path.dirname(__file__))
from desktop import MAIN_TITLE, Desktop, ProgramCopy, is_main  # noqa: E402

BINARY = os.environ.get("YZ_BINARY", os.path.join(os.path.dirname(__file__), "../../build/bin/yanzhou-search"))
LATER_START_SETTINGS = "[搜索器设置：]\r\n皮肤=6\r\n".encode("gbk")
# Tabs a reader opens to reach every page built on first showing.
PAGES = ["第二页", "软件设置", "软件公告", "下载链接", "小说推荐", "武侠仙侠", "都市言情", "军事历史", "游戏竞技", "科幻灵异"]


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def actions(node):
    try:
        a = node.queryAction()
    except NotImplementedError:
        return {}
    return {a.getName(i).lower(): i for i in range(a.nActions)}


def press(node):
    node.queryAction().doAction(actions(node)["press"])


class ScreenReaderTest(unittest.TestCase):
    def setUp(self):
        self.desktop = Desktop()
        self.copy = ProgramCopy(os.path.abspath(BINARY))
        with open(self.copy.settings_path(), "wb") as f:
            f.write(LATER_START_SETTINGS)
        os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.copy.start(self.desktop)
        self.assertIsNotNone(self.desktop.wait_window(is_main), "the main window did not appear")

    def tearDown(self):
        self.copy.remove()
        self.desktop.close()

    def main_frame(self, timeout=15.0):
        deadline = time.time() + timeout
        while time.time() < deadline:
            for app in pyatspi.Registry.getDesktop(0):
                for frame in (app or []):
                    if frame is not None and frame.name == MAIN_TITLE:
                        return frame
            time.sleep(0.2)
        self.fail("the main window is not in the AT-SPI tree")

    def find(self, frame, role, name):
        for _ in range(50):
            for node in walk(frame):
                if node.getRole() == role and node.name == name:
                    return node
            time.sleep(0.1)
        self.fail(f"no {role} named {name}")

    def test_every_link_is_named_and_pressed_as_the_mouse_would(self):
        frame = self.main_frame()
        for title in PAGES:
            press(self.find(frame, pyatspi.ROLE_PAGE_TAB, title))
        time.sleep(0.5)
        nodes = list(walk(frame))
        links = [n for n in nodes if n.getRole() == pyatspi.ROLE_LINK and n.name and "press" in actions(n)]
        books = [n.name for n in links if n.name.startswith("《")]
        sites = [n.name for n in links if not n.name.startswith("《")]
        self.assertEqual(len(books), 18, books)
        self.assertIn("《圣王》作者：云中墨客", books)
        self.assertEqual(len(sites), 28, sites)
        self.assertEqual(sites.count("17K小说网"), 2)

        # A combo box's dropped list is spoken as part of its named combo box.
        unnamed = [(n.getRoleName(), n.name) for n in nodes
                   if n.getState().contains(pyatspi.STATE_FOCUSABLE) and not n.name.strip()
                   and not (n.getRole() == pyatspi.ROLE_LIST and n.parent.getRole() == pyatspi.ROLE_COMBO_BOX)]
        self.assertEqual(unnamed, [])
        self.assertIn("书名", [n.name for n in nodes if n.getRole() == pyatspi.ROLE_TEXT])
        # A note is read a line at a time.
        note = next(n for n in nodes if n.getRole() == pyatspi.ROLE_LABEL and n.name.startswith("1.增加小说推荐版块"))
        text = note.queryText()
        self.assertEqual(text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)[0].rstrip("\n"), "1.增加小说推荐版块")
        second = text.getTextAfterOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
        self.assertEqual(second.rstrip("\n"), "2.界面大胆创新")

        press(next(n for n in links if n.name == "起点中文网"))
        deadline = time.time() + 10
        while not self.copy.opened() and time.time() < deadline:
            time.sleep(0.1)
        self.assertEqual(self.copy.opened(), [b"http://www.qidian.com/Default.aspx"])


if __name__ == "__main__":
    unittest.main()
