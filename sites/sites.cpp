#include "sites/sites.h"

#include "pictures.h"
#include "sites/hosts.h"

namespace sites {
namespace {

// In the order of the two pages, row by row, left column first.
constexpr Site directory_table[] = {
    // page "第一页"
    {&pictures::logo_yanqingba, hosts::xs8, "/"},
    {&pictures::logo_hongxiu, hosts::hongxiu, "/"},
    {&pictures::logo_17k, hosts::k17, "/"},
    {&pictures::logo_zongheng, hosts::zongheng, "/"},
    {&pictures::logo_zhulang, hosts::zhulang, "/"},
    {&pictures::logo_readnovel, hosts::readnovel, "/"},
    {&pictures::logo_xiaoshuozhe, hosts::xiaoshuozhe, ""},
    {&pictures::logo_qidian, hosts::qidian, "/Default.aspx"},
    {&pictures::logo_jjwxc, hosts::jjwxc, "/"},
    {&pictures::logo_hjsm, hosts::hjsm, "/"},
    {&pictures::logo_qqbook, hosts::qq_book, "/"},
    {&pictures::logo_sohu, hosts::sohu_yc, "/"},
    {&pictures::logo_sina, hosts::sina_book, "/"},
    {&pictures::logo_bxwx, hosts::bxwx, "/"},
    // page "第二页"
    {&pictures::logo_qingdi, hosts::qingdi, "/"},
    {&pictures::logo_luoqiu, hosts::luoqiu, "/"},
    {&pictures::logo_bjaishu, hosts::bjaishu, "/"},
    {&pictures::logo_17k, hosts::k17, "/"},  // the 17K logo again, so 17K again
    {&pictures::logo_paoshu8, hosts::paoshu8, "/"},
    {&pictures::logo_yuanchuang, hosts::yuanchuang, "/"},
    {&pictures::logo_35xs, hosts::xs35, ""},
    {&pictures::logo_xinxs8, hosts::xinxs8, "/"},
    {&pictures::logo_baishuku, hosts::baishuku, "/"},
    {&pictures::logo_langman, hosts::langman, "/"},
    {&pictures::logo_yqxsg, hosts::yqxsg, "/"},
    {&pictures::logo_qiangwei, hosts::qiangwei, "/"},
    {&pictures::logo_aiyanqing, hosts::aiyanqing, "/"},
    {&pictures::logo_wanshuxuan, hosts::wanshuxuan, "/"},
};

}  // namespace

std::span<const Site> sites() { return directory_table; }

Text site_address(const Site& site) { return Text(site.host) + Text(site.path); }

}  // namespace sites
