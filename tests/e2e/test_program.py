"""The real program under Xvfb, driven with xdotool, each case in a fresh
copy of the program's directory with a stand-in browser launcher. Given the
Windows build (YZ_BINARY=…/yanzhou-search.exe), the same cases run it under
wine, on the display of tools/wine-env.sh."""

import os
import re
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import WELCOME_ENTER, Desktop, ProgramCopy, is_main, is_welcome, under_wine  # noqa: E402

BINARY = os.environ.get("YZ_BINARY", os.path.join(os.path.dirname(__file__), "../../build/bin/yanzhou-search"))
WINE = under_wine(BINARY)
FIRST_START_SETTINGS = "[搜索器设置：]\r\n皮肤=6\r\n".encode("gbk")
# The main window's client area: 317 x 521 less a fixed frame of 3 px and a 19 px caption.
MAIN_CLIENT = (311, 496)


class ProgramTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(wine=WINE)

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def setUp(self):
        self.copy = ProgramCopy(os.path.abspath(BINARY))

    def tearDown(self):
        self.copy.remove()

    def later_start(self):
        """Starts a copy whose directory has been used before."""
        with open(self.copy.settings_path(), "wb") as f:
            f.write(FIRST_START_SETTINGS)
        self.copy.start(self.desktop)
        main = self.desktop.wait_window(is_main)
        self.assertIsNotNone(main, "the main window did not appear")
        if WINE:
            self.desktop.point_at(main)
        return main

    def test_first_start_shows_welcome_then_main_window(self):
        d = self.desktop
        started = time.time()
        self.copy.start(d)
        welcome = d.wait_window(is_welcome)
        self.assertIsNotNone(welcome, "no welcome window")
        shown = time.time()
        self.assertIsNone(d.wait_window(is_main, timeout=0.5))
        # The bar runs from the left end of its 552 px track; once full it is
        # hidden and the enter button takes its place.
        w = welcome[0]
        bar_colour = None
        full_after = None
        deadline = shown + 12
        while time.time() < deadline:
            colour = d.pixel(w, 20, 47)
            if bar_colour is None and time.time() - shown > 0.5:
                bar_colour = colour
            elif bar_colour is not None and colour != bar_colour:
                full_after = time.time() - shown
                break
            time.sleep(0.05)
        self.assertIsNotNone(full_after, "the bar never gave way to the enter button")
        self.assertGreater(full_after, 4.0)
        self.assertLess(full_after, 7.5)
        # Until the reader enters, nothing has been written.
        self.assertIsNone(self.copy.settings_bytes())
        d.click(welcome[2] + WELCOME_ENTER[0], welcome[3] + WELCOME_ENTER[1])
        main = d.wait_window(is_main)
        self.assertIsNotNone(main, "the enter button did not open the main window")
        self.assertIsNone(d.wait_window(is_welcome, timeout=0.3), "the welcome window stayed")
        self.assertEqual(self.copy.settings_bytes(), FIRST_START_SETTINGS)
        engine = os.path.join(self.copy.dir, "SkinH_EL.dll")
        self.assertTrue(os.path.exists(engine))
        self.assertEqual(os.getxattr(engine, "user.DOSATTRIB"), b"0x2")
        print(f"welcome bar full after {full_after:.2f} s (started to shown {shown - started:.2f} s)")

    def test_later_start_goes_straight_to_the_placed_main_window(self):
        main = self.later_start()
        self.assertIsNone(self.desktop.wait_window(is_welcome, timeout=0.5))
        # The frame's outer corner at 1920 - 1430, 1080 - 800; the client area
        # is the layout's whatever the frame, inside a 3 px border and a caption
        # of 19 px (wine's is 20: the frame grows by that row).
        self.assertEqual((main[4], main[5]), MAIN_CLIENT)
        self.assertEqual((main[2], main[3]), (490 + 3, 280 + 3 + (20 if WINE else 19)))
        self.assertEqual(self.copy.settings_bytes(), FIRST_START_SETTINGS)

    def test_search_typed_and_sent_with_enter_reaches_the_browser(self):
        main = self.later_start()
        x, y = main[2], main[3]
        # A Chinese name reaches the engine as the GBK bytes it expects; the
        # name goes as one value, every byte but letters, digits and "-._~"
        # percent-encoded.
        searches = [
            ("  Dou & Po?  ", b"http://book.easou.com/w/search/%20%20Dou%20%26%20Po%3F%20%20_1_0_0_1.html?wver=dsp"),
            ("斗破苍穹", b"http://book.easou.com/w/search/%B6%B7%C6%C6%B2%D4%F1%B7_1_0_0_1.html?wver=dsp"),
            ('x "y"', b"http://book.easou.com/w/search/x%20%22y%22_1_0_0_1.html?wver=dsp"),
        ]
        for count, (typed, address) in enumerate(searches, start=1):
            self.desktop.click(x + 117 + 20, y + 8 + 10)
            self.desktop.key("End", "shift+Home")  # wine's edit box has no Ctrl+A
            self.desktop.type(typed)
            self.desktop.key("Return")
            # Write mode is the default: the name is remembered.
            remembered = f"搜索记录={typed}\r\n".encode("gbk")
            deadline = time.time() + 5
            while (len(self.copy.opened()) < count or remembered not in self.copy.settings_bytes()) \
                    and time.time() < deadline:
                time.sleep(0.05)
            self.assertEqual(self.copy.opened()[count - 1:], [address])
            self.assertIn(remembered, self.copy.settings_bytes())

    def test_a_launch_that_never_returns_holds_up_no_later_search(self):
        # Wine's shell never comes back from an address of a few thousand
        # characters. The name is remembered, so read mode brings it into
        # the box: the first search sends the empty box and loads the name,
        # the second sends the name. Then an ordinary name, typed.
        with open(self.copy.settings_path(), "wb") as f:
            f.write(FIRST_START_SETTINGS + "搜索记录=".encode("gbk") + "书".encode("gbk") * 3000 + b"\r\n")
        self.copy.start(self.desktop)
        main = self.desktop.wait_window(is_main)
        self.assertIsNotNone(main, "the main window did not appear")
        if WINE:
            self.desktop.point_at(main)
        d, x, y = self.desktop, main[2], main[3]
        d.click(x + 3 + 50, y + 33 + 10)  # the history modes, 组合框3
        d.key("Down", "Return")           # "读取记录书名"
        for _ in range(2):
            d.click(x + 117 + 96, y + 33 + 10)  # "搜索", 按钮1
            time.sleep(0.5)
        d.click(x + 3 + 50, y + 33 + 10)
        d.key("Up", "Return")             # "写入记录书名"
        d.click(x + 117 + 20, y + 8 + 10)
        d.key("End", "shift+Home")
        d.type("abc")
        d.key("Return")
        ordinary = b"http://book.easou.com/w/search/abc_1_0_0_1.html?wver=dsp"
        deadline = time.time() + 10
        while ordinary not in self.copy.opened() and time.time() < deadline:
            time.sleep(0.1)
        opened = self.copy.opened()
        self.assertEqual(opened[:1], [b"http://book.easou.com/w/search/_1_0_0_1.html?wver=dsp"])
        self.assertEqual(opened[-1:], [ordinary])
        if not WINE:
            self.assertEqual(len(opened), 3, "the long name was not sent")
        self.assertIn("搜索记录=abc\r\n".encode("gbk"), self.copy.settings_bytes())
        d.key("Escape")
        self.assertEqual(self.copy.wait(), 0)

    def choose_engine(self, main, index):
        """Picks an entry of the engine list, 组合框1, as a reader does with
        the keys of its dropped list."""
        self.desktop.click(main[2] + 3 + 50, main[3] + 8 + 10)
        self.desktop.key("Home", *["Down"] * index, "Return")

    def search(self, main, typed):
        """Types the name into 编辑框1, presses Enter and returns the address handed on."""
        count = len(self.copy.opened())
        self.desktop.click(main[2] + 117 + 20, main[3] + 8 + 10)
        self.desktop.key("End", "shift+Home")
        self.desktop.type(typed)
        self.desktop.key("Return")
        deadline = time.time() + 5
        while len(self.copy.opened()) <= count and time.time() < deadline:
            time.sleep(0.05)
        return self.copy.opened()[count] if len(self.copy.opened()) > count else None

    def engine_menu(self, main, entry, keys=None):
        """The engine list's menu, opened with the right button (or with
        `keys` while the list has the focus), its entry chosen with the keys."""
        if keys:
            self.desktop.key(keys)
        else:
            self.desktop.move(main[2] + 3 + 50, main[3] + 8 + 10)
            self.desktop.xdotool("click", "3")
        time.sleep(0.5)
        self.desktop.key(*["Down"] * (entry + 1), "Return")

    def test_names_with_address_syntax_reach_the_engine_as_one_value(self):
        """The search rows of tests/search/expected_addresses.h, typed into the real program."""
        header = os.path.join(os.path.dirname(__file__), "../search/expected_addresses.h")
        with open(header, encoding="utf-8") as f:
            table = f.read().split("expected_searches[] = {", 1)[1]
        rows = re.findall(r'\{(\d+), "((?:[^"\\]|\\.)*)", "([^"]*)"\}', table)
        self.assertEqual(len(rows), 16)
        main = self.later_start()
        for engine, name, address in rows:
            # The program holds a character GBK cannot hold as "?": the reader typed 😀.
            typed = re.sub(r"(?<=[\u4e00-\u9fff])\?", "\U0001F600", name)
            with self.subTest(engine=engine, typed=typed):
                self.choose_engine(main, int(engine))
                self.assertEqual(self.search(main, typed), address.encode())
                self.assertIn(f"搜索记录={name}\r\n".encode("gbk"), self.copy.settings_bytes())

    def test_reader_catalogue_hides_replaces_adds_and_repoints(self):
        catalogue = os.path.join(self.copy.dir, "搜索器自定义站点.ini")
        # GBK, as Notepad saves it on a Chinese Windows: a replaced, a hidden
        # and two added engines, a re-pointed site, and bad lines around them.
        written = "\r\n".join([
            "[搜索引擎]",
            "晋江文学网=https://j.example/s?kw=%s",
            "小说阅读网【B】=隐藏",
            "甲站【A】=http://a.example/find/%s/",
            "乙站=utf-8 http://b.example/?q=%s",
            "坏一=file:///etc/passwd?%s",
            "坏二=latin1 http://c.example/%s",
            "[站点]",
            "起点中文网=https://q.example/",
            "没有的站=https://n.example/",
        ]).encode("gbk")
        with open(catalogue, "wb") as f:
            f.write(written)
        main = self.later_start()
        self.assertEqual(self.search(main, "C#"), b"http://book.easou.com/w/search/C%23_1_0_0_1.html?wver=dsp")
        self.choose_engine(main, 1)
        self.assertEqual(self.search(main, "斗破"), b"https://j.example/s?kw=%B6%B7%C6%C6")
        # 小说阅读网 is gone: the third entry is 纵横中文网, the two added ones end the list.
        self.choose_engine(main, 2)
        self.assertEqual(self.search(main, "a"), b"http://search.zongheng.com/search/bookName/a/1.html")
        self.choose_engine(main, 10)
        self.assertEqual(self.search(main, "A&B"), b"http://a.example/find/A%26B/")
        self.choose_engine(main, 11)
        self.assertEqual(self.search(main, "斗破"), b"http://b.example/?q=%E6%96%97%E7%A0%B4")
        # The logo of 起点中文网 (图片框1, at 160, 180 on 第一页 of 选择夹3,
        # itself at 2, 21 on 选择夹1 at 0, 80) opens the reader's address.
        count = len(self.copy.opened())
        self.desktop.click(main[2] + 0 + 2 + 160 + 59, main[3] + 80 + 21 + 180 + 22)
        deadline = time.time() + 5
        while len(self.copy.opened()) <= count and time.time() < deadline:
            time.sleep(0.05)
        self.assertEqual(self.copy.opened()[count:], [b"https://q.example/"])
        if not WINE:
            self.assertIn("第 6 行：地址不是以 http:// 或 https:// 开头", self.copy.output())

        # Read again while running, the menu opened from the keyboard: the
        # chosen engine stays chosen by its name.
        with open(catalogue, "ab") as f:
            f.write("\r\n[搜索引擎]\r\n丙站=big5 http://t.example/%s\r\n".encode("gbk"))
        written += "\r\n[搜索引擎]\r\n丙站=big5 http://t.example/%s\r\n".encode("gbk")
        self.choose_engine(main, 11)
        self.engine_menu(main, 1, keys="shift+F10")
        report = self.desktop.wait_window(lambda entry: entry[1] == "自定义站点", timeout=5)
        self.assertIsNotNone(report, "no report")
        self.desktop.key("Return")
        deadline = time.time() + 5
        while self.desktop.wait_window(lambda entry: entry[1] == "自定义站点", timeout=0.1) and time.time() < deadline:
            time.sleep(0.05)
        self.assertEqual(self.search(main, "斗破"), b"http://b.example/?q=%E6%96%97%E7%A0%B4")
        self.choose_engine(main, 12)
        self.assertEqual(self.search(main, "斗破"), b"http://t.example/%A4%E6%AF%7D")
        with open(catalogue, "rb") as f:
            self.assertEqual(f.read(), written, "the program wrote the reader's file")

    def test_editing_a_missing_catalogue_makes_the_template_and_opens_it(self):
        main = self.later_start()
        self.engine_menu(main, 0)
        catalogue = os.path.join(self.copy.dir, "搜索器自定义站点.ini")
        deadline = time.time() + 5
        while not os.path.exists(catalogue) and time.time() < deadline:
            time.sleep(0.05)
        with open(catalogue, "rb") as f:
            template = f.read()
        self.assertTrue(template.startswith(b"\xef\xbb\xbf; "))
        if WINE:
            # Wine's shell opens an .ini file with its Notepad.
            editor = self.desktop.wait_window(lambda entry: "搜索器自定义站点.ini" in entry[1], timeout=10)
            self.assertIsNotNone(editor, "no editor")
            self.desktop.ask_to_close(editor[0])
        else:
            deadline = time.time() + 5
            while not self.copy.opened() and time.time() < deadline:
                time.sleep(0.05)
            self.assertEqual(self.copy.opened(), [f"file://{self.copy.dir}/%E6%90%9C%E7%B4%A2%E5%99%A8%E8%87%AA%E5%AE%9A%E4%B9%89%E7%AB%99%E7%82%B9.ini".encode()])

    def background(self, main):
        """The skin's colour of the window beside the clock line."""
        time.sleep(0.4)
        return self.desktop.pixel(main[0], 300, 70)

    def restart(self):
        self.desktop.key("Escape")
        self.assertEqual(self.copy.wait(), 0)
        self.copy.start(self.desktop)
        main = self.desktop.wait_window(is_main)
        self.assertIsNotNone(main)
        return main

    def test_skins_chosen_either_way_are_shown_again_after_a_restart(self):
        d = self.desktop
        main = self.later_start()
        x, y = main[2], main[3]
        first_start_look = self.background(main)
        d.click(x + 150, y + 90)            # the page "软件设置"
        d.click(x + 16 + 50, y + 202 + 10)  # the named skins, 组合框2
        d.key("Down", "Return")             # "大气纯黑"
        d.click(x + 123 + 45, y + 198 + 10)  # "确定", 按钮5
        chosen_look = self.background(main)
        self.assertNotEqual(chosen_look, first_start_look)
        self.assertIn("皮肤=3\r\n".encode("gbk"), self.copy.settings_bytes())
        main = self.restart()
        self.assertEqual(self.background(main), chosen_look)

        x, y = main[2], main[3]
        d.click(x + 150, y + 90)
        d.click(x + 64 + 12, y + 153 + 8)   # the skin number box, 编辑框2
        d.type("369")                       # holds two bytes: "36"
        d.key("Return")
        typed_look = self.background(main)
        self.assertNotEqual(typed_look, chosen_look)
        self.assertIn("皮肤=36\r\n".encode("gbk"), self.copy.settings_bytes())
        main = self.restart()
        self.assertEqual(self.background(main), typed_look)

    def test_escape_ends_the_program_with_status_zero(self):
        self.later_start()
        time.sleep(0.3)
        self.desktop.key("Escape")
        self.assertEqual(self.copy.wait(), 0)

    def test_closing_the_main_window_ends_the_program_with_status_zero(self):
        main = self.later_start()
        time.sleep(0.3)
        self.desktop.ask_to_close(main[0])
        self.assertEqual(self.copy.wait(), 0)

    def test_escape_on_the_welcome_window_ends_without_writing(self):
        self.copy.start(self.desktop)
        welcome = self.desktop.wait_window(is_welcome)
        self.assertIsNotNone(welcome)
        if WINE:
            self.desktop.point_at(welcome)
        time.sleep(0.3)
        self.desktop.key("Escape")
        self.assertEqual(self.copy.wait(), 0)
        self.assertIsNone(self.copy.settings_bytes())

    # Wine runs only as the owner of its prefix, and Windows closes a folder
    # with its access list, not with these mode bits.
    @unittest.skipIf(WINE, "needs another user")
    def test_directory_without_write_permission_is_a_first_start_every_time(self):
        # The engine library is already there from an earlier start; the
        # directory is then closed to writing.
        self.copy.start(self.desktop)
        self.assertIsNotNone(self.desktop.wait_window(is_welcome))
        self.desktop.key("Escape")
        self.assertEqual(self.copy.wait(), 0)
        os.chmod(self.copy.dir, 0o555)
        os.chmod(self.copy.bin, 0o777)
        for _ in range(2):
            self.copy.start(self.desktop, user="nobody")
            welcome = self.desktop.wait_window(is_welcome)
            self.assertIsNotNone(welcome, "an unwritable directory must show the welcome window")
            time.sleep(5.8)
            self.desktop.click(welcome[2] + WELCOME_ENTER[0], welcome[3] + WELCOME_ENTER[1])
            main = self.desktop.wait_window(is_main)
            self.assertIsNotNone(main)
            self.desktop.key("Escape")
            self.assertEqual(self.copy.wait(), 0)
            self.assertIsNone(self.copy.settings_bytes())
        self.assertEqual(sorted(os.listdir(self.copy.dir)), sorted([".stand-in", "SkinH_EL.dll", "yanzhou-search"]))


if __name__ == "__main__":
    unittest.main(verbosity=2)
