"""The real program as a screen reader meets it on Linux: its AT-SPI tree on
a private session bus (run under dbus-run-session), pages opened through
their tabs' actions and with Ctrl+Tab, a site opened through a link's press
action, a name put in through editable text, and the welcome window."""

import os
import sys
import time
import unittest

import pyatspi

sys.path.insert(0, os.path.dirname(__file__))
from desktop import MAIN_TITLE, Desktop, ProgramCopy, is_main, is_welcome  # noqa: E402

BINARY = os.environ.get("YZ_BINARY", os.path.join(os.path.dirname(__file__), "../../build/bin/yanzhou-search"))
LATER_START_SETTINGS = "[搜索器设置：]\r\n皮肤=6\r\n".encode("gbk")
# Tabs a reader opens to reach every page built on first showing.
WELCOME_NAME = "砚舟小说搜索器"
MAIN_PAGES = ["小说名站", "小说推荐", "软件设置", "软件公告", "下载链接"]
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
        os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"

    def start(self, first=False):
        if not first:
            with open(self.copy.settings_path(), "wb") as f:
                f.write(LATER_START_SETTINGS)
        self.copy.start(self.desktop)
        self.window = self.desktop.wait_window(is_welcome if first else is_main)
        self.assertIsNotNone(self.window, "the program's window did not appear")

    def tearDown(self):
        self.copy.remove()
        self.desktop.close()

    def frame(self, name, timeout=15.0):
        """A window, spoken as the frame it is, by its name: the title
        without the spaces that pad it."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            for app in pyatspi.Registry.getDesktop(0):
                for frame in (app or []):
                    if frame is not None and frame.name == name:
                        self.assertEqual(frame.getRole(), pyatspi.ROLE_FRAME)
                        return frame
            time.sleep(0.2)
        self.fail(f"no window named {name} in the AT-SPI tree")

    def main_frame(self):
        return self.frame(MAIN_TITLE.strip())

    def wait_opened(self, count=1):
        deadline = time.time() + 10
        while len(self.copy.opened()) < count and time.time() < deadline:
            time.sleep(0.1)
        return self.copy.opened()

    def find(self, frame, role, name):
        for _ in range(50):
            for node in walk(frame):
                if node.getRole() == role and node.name == name:
                    return node
            time.sleep(0.1)
        self.fail(f"no {role} named {name}")

    def test_every_link_is_named_and_pressed_as_the_mouse_would(self):
        self.start()
        frame = self.main_frame()
        for title in PAGES:
            press(self.find(frame, pyatspi.ROLE_PAGE_TAB, title))
        time.sleep(0.5)
        nodes = list(walk(frame))
        links = [n for n in nodes if n.getRole() == pyatspi.ROLE_LINK and n.name]
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
        # Lists and boxes say what they are for, buttons what they do.
        named = {(n.getRoleName(), n.name) for n in nodes}
        for row in [("combo box", "搜索引擎"), ("combo box", "书名记录方式"), ("combo box", "皮肤"),
                    ("text", "书名"), ("text", "皮肤编号"), ("push button", "从百度网盘下载本软件"),
                    ("push button", "从千易网盘下载本软件"), ("push button", "下载360极速浏览器")]:
            self.assertIn(row, named)
        search = self.find(frame, pyatspi.ROLE_PUSH_BUTTON, "宜搜小说网")
        self.assertEqual(search.description, "用所选的搜索引擎搜索书名框中的书名。记录书名")
        # No name padded for the eye (a blurb's indent of ideographic spaces
        # is its own); no filler repeating its group's name.
        self.assertEqual([n.name for n in nodes if n.name != n.name.strip(" \r\n")], [])
        self.assertEqual([n.name for n in nodes if n.getRole() == pyatspi.ROLE_FILLER and n.name], [])
        # A note is read a line at a time.
        note = next(n for n in nodes if n.getRole() == pyatspi.ROLE_LABEL and n.name.startswith("1.增加小说推荐版块"))
        text = note.queryText()
        self.assertEqual(text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)[0].rstrip("\n"), "1.增加小说推荐版块")
        second = text.getTextAfterOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
        self.assertEqual(second.rstrip("\n"), "2.界面大胆创新")

        # A link on a page that is not shown does nothing until its page is.
        qidian = next(n for n in links if n.name == "起点中文网")
        self.assertNotIn("press", actions(qidian))
        self.assertEqual([n.name for n in links if n.name.startswith("《") and "press" in actions(n)],
                         ["《阴墓阳宅》作者：夜半灯笼", "《最终进化》作者：无尽行者", "《租鬼公司》作者：子夜掌柜"])
        for title in ["小说名站", "第一页"]:
            press(self.find(frame, pyatspi.ROLE_PAGE_TAB, title))
        time.sleep(0.5)
        press(qidian)
        self.assertEqual(self.wait_opened(), [b"http://www.qidian.com/Default.aspx"])

    def test_a_name_put_in_by_a_reader_s_tool_is_searched_and_ctrl_tab_turns_pages(self):
        self.start()
        frame = self.main_frame()
        self.find(frame, pyatspi.ROLE_TEXT, "书名").queryEditableText().setTextContents("斗破苍穹")
        press(self.find(frame, pyatspi.ROLE_PUSH_BUTTON, "宜搜小说网"))
        opened = self.wait_opened()
        self.assertEqual(len(opened), 1)
        self.assertIn(b"/%B6%B7%C6%C6%B2%D4%F1%B7_", opened[0])

        # From the name box, outside every page, the keys turn the main
        # pages, round at the ends; the focus stays in the box.
        tabs = [self.find(frame, pyatspi.ROLE_PAGE_TAB, title) for title in MAIN_PAGES]

        def current():  # Qt 6.4 marks the current tab as focused, later ones as selected
            time.sleep(0.3)
            return [t.name for t in tabs
                    if t.getState().contains(pyatspi.STATE_SELECTED) or t.getState().contains(pyatspi.STATE_FOCUSED)]

        x, y = self.window[2], self.window[3]
        self.desktop.click(x + 117 + 20, y + 8 + 10)
        for keys, page in [("ctrl+Tab", "小说推荐"), ("ctrl+Next", "软件设置"), ("ctrl+shift+Tab", "小说推荐"),
                           ("ctrl+Prior", "小说名站"), ("ctrl+shift+Tab", "下载链接"), ("ctrl+Tab", "小说名站")]:
            self.desktop.key(keys)
            self.assertEqual(current(), [page], keys)
        box = self.find(frame, pyatspi.ROLE_TEXT, "书名")
        self.assertTrue(box.getState().contains(pyatspi.STATE_FOCUSED))

    def test_the_welcome_window_is_named_and_entered_with_enter(self):
        self.start(first=True)
        frame = self.frame(WELCOME_NAME)
        named = {(n.getRoleName(), n.name) for n in walk(frame)}
        for row in [("image", "砚舟小说搜索器说明"), ("progress bar", "启动进度"), ("image", "砚舟软件出品")]:
            self.assertIn(row, named)
        press(self.find(frame, pyatspi.ROLE_LINK, "视频教程 点击观看"))
        self.assertEqual(self.wait_opened(), [b"http://www.56.com/c13/Pz4iIiokJiNqJWQhKA.html"])
        # Once the bar is full the enter button shows with the focus: Enter
        # answers it without a Tab first.
        enter = self.find(frame, pyatspi.ROLE_PUSH_BUTTON, "★★★进入软件☆☆☆")
        deadline = time.time() + 12
        while not enter.getState().contains(pyatspi.STATE_FOCUSED) and time.time() < deadline:
            time.sleep(0.1)
        self.assertTrue(enter.getState().contains(pyatspi.STATE_FOCUSED))
        self.assertTrue(enter.getState().contains(pyatspi.STATE_SHOWING))
        self.desktop.key("Return")
        self.assertIsNotNone(self.desktop.wait_window(is_main), "Enter did not open the main window")


if __name__ == "__main__":
    unittest.main()
