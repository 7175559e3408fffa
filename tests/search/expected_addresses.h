#pragma once
// Every control of the two windows that opens an outside address, with the
// event that opens it and the exact address the browser is handed.
#include "forms/description.h"
#include "main_window/controls.h"
#include "welcome_window/controls.h"

struct ExpectedLink {
    forms::WindowId window;
    forms::ControlId control;
    int event;
    const char* address;  // GBK, as the program hands it on
};

inline constexpr int press = forms::event::LeftButtonDown;
inline constexpr int click = forms::event::Click;

inline const ExpectedLink expected_links[] = {
    // site directory, page "第一页"
    {main_window::id, main_window::图片框8, press, "http://www.xs8.cn/"},
    {main_window::id, main_window::图片框2, press, "http://www.hongxiu.com/"},
    {main_window::id, main_window::图片框3, press, "http://www.17k.com/"},
    {main_window::id, main_window::图片框6, press, "http://www.zongheng.com/"},
    {main_window::id, main_window::图片框4, press, "http://www.zhulang.com/"},
    {main_window::id, main_window::图片框5, press, "http://www.readnovel.com/"},
    {main_window::id, main_window::图片框7, press, "www.xiaoshuozhe.com"},
    {main_window::id, main_window::图片框1, press, "http://www.qidian.com/Default.aspx"},
    {main_window::id, main_window::图片框9, press, "http://www.jjwxc.net/"},
    {main_window::id, main_window::图片框10, press, "http://www.hjsm.net/"},
    {main_window::id, main_window::图片框11, press, "http://book.qq.com/"},
    {main_window::id, main_window::图片框12, press, "http://yc.sohu.com/"},
    {main_window::id, main_window::图片框13, press, "http://book.sina.com.cn/"},
    {main_window::id, main_window::图片框14, press, "http://www.bxwx.org/"},
    // page "第二页"
    {main_window::id, main_window::图片框33, press, "http://www.qingdi.com/"},
    {main_window::id, main_window::图片框34, press, "http://www.luoqiu.com/"},
    {main_window::id, main_window::图片框35, press, "http://www.bjaishu.com/"},
    {main_window::id, main_window::图片框36, press, "http://www.17k.com/"},
    {main_window::id, main_window::图片框37, press, "http://www.paoshu8.com/"},
    {main_window::id, main_window::图片框38, press, "http://www.yuanchuang.com/"},
    {main_window::id, main_window::图片框39, press, "www.35xs.com"},
    {main_window::id, main_window::图片框40, press, "http://www.xinxs8.com/"},
    {main_window::id, main_window::图片框41, press, "http://www.baishuku.com/"},
    {main_window::id, main_window::图片框42, press, "http://www.lmyq.com/"},
    {main_window::id, main_window::图片框43, press, "http://www.yqxsg.com/"},
    {main_window::id, main_window::图片框44, press, "http://www.qwsy.com/"},
    {main_window::id, main_window::图片框45, press, "http://www.aiyanqing.com/"},
    {main_window::id, main_window::图片框46, press, "http://www.wanshuxuan.com/"},
    // book covers, genre by genre
    {main_window::id, main_window::图片框16, press, "http://www.qingdi.com/book/271.html"},
    {main_window::id, main_window::图片框17, press, "http://www.kanshu.com/Book/4646/Index.aspx"},
    {main_window::id, main_window::图片框18, press, "http://www.kanshu.com/Book/13438/Index.aspx"},
    {main_window::id, main_window::图片框15, press, "http://mm.17k.com/book/493631.html"},
    {main_window::id, main_window::图片框19, press, "http://www.qingdi.com/book/5.html"},
    {main_window::id, main_window::图片框20, press, "http://www.shuhai.com/html/1/1274.html"},
    {main_window::id, main_window::图片框21, press, "http://www.bjaishu.com/html/15/15519/index.html"},
    {main_window::id, main_window::图片框23, press, "www.xiaoshuozhe.com/book_info/19/19826.htm"},
    {main_window::id, main_window::图片框22, press, "www.xiaoshuozhe.com/book_info/28/28830.htm"},
    {main_window::id, main_window::图片框24, press, "http://www.qidian.com/Book/1735.aspx"},
    {main_window::id, main_window::图片框27, press, "http://www.xkzw.org/xkzw17758/"},
    {main_window::id, main_window::图片框28, press, "http://www.xkzw.org/xkzw11125/"},
    {main_window::id, main_window::图片框25, press, "http://www.qingdi.com/book/17.html"},
    {main_window::id, main_window::图片框30, press, "http://www.qingdi.com/book/15571.html"},
    {main_window::id, main_window::图片框29, press, "http://www.ranwen.net/files/article/info/33/33521.htm"},
    {main_window::id, main_window::图片框26, press, "http://www.qingdi.com/book/17213.html"},
    {main_window::id, main_window::图片框32, press, "http://www.qingdi.com/book/8.html"},
    {main_window::id, main_window::图片框31, press, "http://www.qingdi.com/book/8414.html"},
    // downloads
    {main_window::id, main_window::按钮3, click, "http://pan.baidu.com/share/link?shareid=1862407395&uk=2730195846"},
    {main_window::id, main_window::按钮4, click, "http://yanzhou.qianyi.com/"},
    {main_window::id, main_window::按钮7, click, "http://down.360safe.com/cse/360cse_7.0.0.610.exe"},
    // welcome window: tutorial and the two chat groups
    {welcome_window::id, welcome_window::标签1, press, "http://www.56.com/c13/Pz4iIiokJiNqJWQhKA.html"},
    {welcome_window::id, welcome_window::透明标签4, press, "http://qun.qq.com/air/#jointhegroup/gid/246813579"},
    {welcome_window::id, welcome_window::透明标签10, press, "http://qun.qq.com/air/#jointhegroup/gid/318264705"},
};

// A search as the engine receives it: the book name as one value, every byte
// but A-Z a-z 0-9 - . _ ~ percent-encoded. `name` is the name as the program
// holds it (GBK; a character GBK cannot hold is already "?").
struct ExpectedSearch {
    int engine;  // index in the engine list
    const char* name;
    const char* address;
};

inline const ExpectedSearch expected_searches[] = {
    // 晋江文学网: the name in the query
    {1, "C#", "http://www.jjwxc.net/search.php?kw=C%23&t=1"},
    {1, "A&B", "http://www.jjwxc.net/search.php?kw=A%26B&t=1"},
    {1, "100%", "http://www.jjwxc.net/search.php?kw=100%25&t=1"},
    {1, "a+b=c", "http://www.jjwxc.net/search.php?kw=a%2Bb%3Dc&t=1"},
    {1, "x?y", "http://www.jjwxc.net/search.php?kw=x%3Fy&t=1"},
    {1, "a/b", "http://www.jjwxc.net/search.php?kw=a%2Fb&t=1"},
    {1, " 斗破 ", "http://www.jjwxc.net/search.php?kw=%20%B6%B7%C6%C6%20&t=1"},
    {1, "斗破?苍穹", "http://www.jjwxc.net/search.php?kw=%B6%B7%C6%C6%3F%B2%D4%F1%B7&t=1"},
    // 纵横中文网: the name in the path
    {3, "C#", "http://search.zongheng.com/search/bookName/C%23/1.html"},
    {3, "A&B", "http://search.zongheng.com/search/bookName/A%26B/1.html"},
    {3, "100%", "http://search.zongheng.com/search/bookName/100%25/1.html"},
    {3, "a+b=c", "http://search.zongheng.com/search/bookName/a%2Bb%3Dc/1.html"},
    {3, "x?y", "http://search.zongheng.com/search/bookName/x%3Fy/1.html"},
    {3, "a/b", "http://search.zongheng.com/search/bookName/a%2Fb/1.html"},
    {3, " 斗破 ", "http://search.zongheng.com/search/bookName/%20%B6%B7%C6%C6%20/1.html"},
    {3, "斗破?苍穹", "http://search.zongheng.com/search/bookName/%B6%B7%C6%C6%3F%B2%D4%F1%B7/1.html"},
};
