#pragma once
// Every host of an outside address, named by whose host it is. Each is the
// scheme and host name without a trailing slash; paths are added where used.
// The two bare names (小说者, 三五小说网) carry no scheme on purpose: the
// browser launcher is handed them exactly so and makes its own guess.
#include <string_view>

namespace hosts {

// clang-format off
// Search engines
inline constexpr std::string_view easou_book_search = "http://book.easou.com";    // 宜搜小说网, book search
inline constexpr std::string_view jjwxc = "http://www.jjwxc.net";                 // 晋江文学网
inline constexpr std::string_view readnovel_search = "http://search.readnovel.com";  // 小说阅读网, search
inline constexpr std::string_view zongheng_search = "http://search.zongheng.com";  // 纵横中文网, search
inline constexpr std::string_view xs8_search = "http://search.xs8.cn";            // 言情小说吧, search
inline constexpr std::string_view lingdian = "http://www.lingdiankanshu.com";     // 零点看书网
inline constexpr std::string_view sohu_yc = "http://yc.sohu.com";                 // 搜狐原创
inline constexpr std::string_view soso = "http://www.soso.com";                   // general web search (Tencent)
inline constexpr std::string_view qq_book = "http://book.qq.com";                 // 腾讯读书
inline constexpr std::string_view sina_book = "http://book.sina.com.cn";          // 新浪读书
inline constexpr std::string_view yuanchuang = "http://www.yuanchuang.com";       // 原创阅读网 (原创小说网)
inline constexpr std::string_view xinxs8_search = "http://search.xinxs8.com";     // 新小说吧, search

// Home hosts of the sites in the directory (晋江, 搜狐原创, 腾讯读书, 新浪读书
// and 原创阅读网 use the engines' hosts above)
inline constexpr std::string_view xs8 = "http://www.xs8.cn";                      // 言情小说吧
inline constexpr std::string_view hongxiu = "http://www.hongxiu.com";             // 红袖添香
inline constexpr std::string_view k17 = "http://www.17k.com";                     // 17K小说网
inline constexpr std::string_view zongheng = "http://www.zongheng.com";           // 纵横中文网
inline constexpr std::string_view zhulang = "http://www.zhulang.com";             // 逐浪
inline constexpr std::string_view readnovel = "http://www.readnovel.com";         // 小说阅读网
inline constexpr std::string_view xiaoshuozhe = "www.xiaoshuozhe.com";            // 小说者, bare
inline constexpr std::string_view qidian = "http://www.qidian.com";               // 起点中文网
inline constexpr std::string_view hjsm = "http://www.hjsm.net";                   // 幻剑书盟
inline constexpr std::string_view bxwx = "http://www.bxwx.org";                   // 笔下文学
inline constexpr std::string_view qingdi = "http://www.qingdi.com";               // 青帝文学网
inline constexpr std::string_view luoqiu = "http://www.luoqiu.com";               // 落秋
inline constexpr std::string_view bjaishu = "http://www.bjaishu.com";             // 北京爱书
inline constexpr std::string_view paoshu8 = "http://www.paoshu8.com";             // 泡书吧
inline constexpr std::string_view xs35 = "www.35xs.com";                          // 三五小说网, bare
inline constexpr std::string_view xinxs8 = "http://www.xinxs8.com";               // 新小说吧
inline constexpr std::string_view baishuku = "http://www.baishuku.com";           // 百书库
inline constexpr std::string_view langman = "http://www.lmyq.com";                // 浪漫言情小说网
inline constexpr std::string_view yqxsg = "http://www.yqxsg.com";                 // 言情小说馆
inline constexpr std::string_view qiangwei = "http://www.qwsy.com";               // 蔷薇书院
inline constexpr std::string_view aiyanqing = "http://www.aiyanqing.com";         // 爱言情
inline constexpr std::string_view wanshuxuan = "http://www.wanshuxuan.com";       // 万书轩

// Book pages on sites outside the directory
inline constexpr std::string_view k17_mm = "http://mm.17k.com";                   // 17K小说网, its women's channel
inline constexpr std::string_view kanshu = "http://www.kanshu.com";               // 看书网
inline constexpr std::string_view shuhai = "http://www.shuhai.com";               // 书海小说网
inline constexpr std::string_view xkzw = "http://www.xkzw.org";                   // 新快中文网
inline constexpr std::string_view ranwen = "http://www.ranwen.net";               // 燃文小说网

// Downloads, tutorial and the maker's chat groups
inline constexpr std::string_view baidu_pan = "http://pan.baidu.com";             // 百度网盘
inline constexpr std::string_view qianyi_maker = "http://yanzhou.qianyi.com";     // the maker's own space on 千易网盘
inline constexpr std::string_view qihoo_download = "http://down.360safe.com";     // downloads of 360
inline constexpr std::string_view video_56 = "http://www.56.com";                 // 56网, video sharing
inline constexpr std::string_view qq_groups = "http://qun.qq.com";                // QQ groups

// Numbers of the maker's accounts on those hosts. The group numbers appear
// both in the welcome window's texts and in the join addresses.
inline constexpr std::string_view baidu_share_id = "1862407395";
inline constexpr std::string_view baidu_sharer_uk = "2730195846";
inline constexpr std::string_view software_group_number = "246813579";
inline constexpr std::string_view novel_group_number = "318264705";

// clang-format on

}  // namespace hosts
