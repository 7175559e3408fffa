#pragma once
// The fixed texts about the program that both windows show. Lines end with
// CR LF, as the labels draw them; a text ends without one unless it says so.
#include <string_view>

#include "sites/hosts.h"
#include "sites/join.h"

namespace texts {

inline constexpr std::string_view update_notes =
    "1.增加小说推荐版块\r\n"
    "2.界面大胆创新\r\n"
    "3.增加15个小说名站\r\n"
    "4.增加搜索记录功能\r\n"
    "5.增加使用教程\r\n"
    "6.增加官网群号\r\n"
    "7.增加启动界面（第一次启动看到）\r\n"
    "8.增加皮肤记录功能\r\n"
    "9.两个小说搜索引擎";

inline constexpr std::string_view introduction =
    "  本软件是一款强大的小说搜索器，本软件由小说搜索和小说名站导航两大部分组成。\r\n"
    "小说搜索：由多个小说搜索引擎组成，引擎超多，可选择引擎搜索器进行搜索。（不支持IE浏览器）\r\n"
    "小说名站：有超多的小说网站，而且网站还在逐渐添加中。\r\n"
    "小说推荐：最热门、最好看、最方便的小说推荐";

inline constexpr std::string_view antivirus_note =
    "欢迎使用砚舟小说搜索器，下面是软件简介。\r\n"
    "本软件用的开发工具比较少见，有的杀毒软件会把它当成病毒，这种误报没有办法避免。\r\n"
    "本作者用砚舟的信誉保证，本软件绝对无毒。\r\n"
    "作者推荐各位用360极速浏览器配合使用，因为360极速浏览器的ABP插件可以屏蔽广告。毕竟看小说最烦广告了\r\n";

// The grade marks that follow each engine's name in the engine list.
inline constexpr std::string_view speed_grades =
    " 等级  打开速度 \r\n"
    "\r\n"
    "【A】  一秒以内\r\n"
    "【B】  一致两秒\r\n"
    "【C】  三秒以上\r\n"
    "本评价只代表个人看法，不是一定的。";

inline constexpr std::string_view browser_recommendation =
    "  360极速浏览器小说阅读好处：屏蔽广告功能有ABP广告屏蔽插件，让你看小说再也不用受广告的清扰。"
    "自动翻译功能，自动翻译繁体、英文、日文。";

// Slogans of the welcome window. The frames line up only in 宋体, so their
// characters and spaces must stay exactly as they are.
inline constexpr std::string_view maker_slogan =
    "╔砚舟软件╗\r\n"
    "║小说伴侣║\r\n"
    "║阅读必备║\r\n"
    "║永久免费║\r\n"
    "╚最高品质╝";

inline constexpr std::string_view merits_slogan =
    "╔软件优点╗\r\n"
    "║没有广告║\r\n"
    "║没有病毒║\r\n"
    "║没有木马║\r\n"
    "╚简单耐用╝\r\n";

inline constexpr std::string_view frank_slogan =
    "╔═══════════╗\r\n"
    "║本软件界面不是最好看的║\r\n"
    "╚ 但功能一定是最实用的 ╝";

// The maker's chat groups: the numbers the reader presses to join.
inline constexpr std::string_view software_group_prefix = "软件官方群：";
inline constexpr std::string_view novel_group_prefix = "小说官方群：";
inline constexpr std::string_view line_break = "\r\n";
inline constexpr std::string_view software_group_label =
    sites::join<software_group_prefix, hosts::software_group_number, line_break>;
inline constexpr std::string_view novel_group_label = sites::join<novel_group_prefix, hosts::novel_group_number>;
inline constexpr std::string_view click_to_join = "点击群号直接加入";

}  // namespace texts
