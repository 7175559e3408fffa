#include "sites/sites.h"

#include "pictures.h"
#include "sites/hosts.h"

namespace sites {
namespace {

// In the order of the two pages, row by row, left column first.
constexpr Site directory_table[] = {
    // page "第一页"
    {&pictures::logo_yanqingba, hosts::xs8, "/", "言情小说吧"},
    {&pictures::logo_hongxiu, hosts::hongxiu, "/", "红袖添香"},
    {&pictures::logo_17k, hosts::k17, "/", "17K小说网"},
    {&pictures::logo_zongheng, hosts::zongheng, "/", "纵横中文网"},
    {&pictures::logo_zhulang, hosts::zhulang, "/", "逐浪"},
    {&pictures::logo_readnovel, hosts::readnovel, "/", "小说阅读网"},
    {&pictures::logo_xiaoshuozhe, hosts::xiaoshuozhe, "", "小说者"},
    {&pictures::logo_qidian, hosts::qidian, "/Default.aspx", "起点中文网"},
    {&pictures::logo_jjwxc, hosts::jjwxc, "/", "晋江文学城"},
    {&pictures::logo_hjsm, hosts::hjsm, "/", "幻剑书盟"},
    {&pictures::logo_qqbook, hosts::qq_book, "/", "腾讯读书"},
    {&pictures::logo_sohu, hosts::sohu_yc, "/", "搜狐原创"},
    {&pictures::logo_sina, hosts::sina_book, "/", "新浪读书"},
    {&pictures::logo_bxwx, hosts::bxwx, "/", "笔下文学"},
    // page "第二页"
    {&pictures::logo_qingdi, hosts::qingdi, "/", "青帝文学网"},
    {&pictures::logo_luoqiu, hosts::luoqiu, "/", "落秋"},
    {&pictures::logo_bjaishu, hosts::bjaishu, "/", "北京爱书"},
    {&pictures::logo_17k, hosts::k17, "/", "17K小说网"},  // the 17K logo again, so 17K again
    {&pictures::logo_paoshu8, hosts::paoshu8, "/", "泡书吧"},
    {&pictures::logo_yuanchuang, hosts::yuanchuang, "/", "原创阅读网"},
    {&pictures::logo_35xs, hosts::xs35, "", "三五小说网"},
    {&pictures::logo_xinxs8, hosts::xinxs8, "/", "新小说吧"},
    {&pictures::logo_baishuku, hosts::baishuku, "/", "百书库"},
    {&pictures::logo_langman, hosts::langman, "/", "浪漫言情小说网"},
    {&pictures::logo_yqxsg, hosts::yqxsg, "/", "言情小说馆"},
    {&pictures::logo_qiangwei, hosts::qiangwei, "/", "蔷薇书院"},
    {&pictures::logo_aiyanqing, hosts::aiyanqing, "/", "爱言情"},
    {&pictures::logo_wanshuxuan, hosts::wanshuxuan, "/", "万书轩"},
};

std::vector<Text>& reader_addresses() {
    static std::vector<Text> addresses;
    return addresses;
}

}  // namespace

std::span<const Site> sites() { return directory_table; }

Text site_address(const Site& site) { return Text(site.host) + Text(site.path); }

Text site_address_at(std::size_t row) {
    const auto& reader = reader_addresses();
    if (row < reader.size() && !reader[row].empty()) return reader[row];
    return row < std::size(directory_table) ? site_address(directory_table[row]) : Text();
}

void repoint_sites(std::vector<Text> addresses) { reader_addresses() = std::move(addresses); }

}  // namespace sites
