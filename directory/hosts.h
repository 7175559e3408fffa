#pragma once
// Every host of an outside address, named by whose host it is. Each is the
// scheme and host name without a trailing slash; paths are added where used.
#include <string_view>

namespace hosts {

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

}  // namespace hosts
