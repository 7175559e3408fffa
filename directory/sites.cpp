#include "directory/sites.h"

#include "directory/hosts.h"
#include "forms/main_window/main_window.h"
#include "pictures.h"

namespace directory {
namespace {

using namespace main_window;

// In the order of the two pages, row by row, left column first.
constexpr Site directory_table[] = {
    // page "第一页"
    {图片框8, &pictures::logo_yanqingba, hosts::xs8, "/"},
    {图片框2, &pictures::logo_hongxiu, hosts::hongxiu, "/"},
    {图片框3, &pictures::logo_17k, hosts::k17, "/"},
    {图片框6, &pictures::logo_zongheng, hosts::zongheng, "/"},
    {图片框4, &pictures::logo_zhulang, hosts::zhulang, "/"},
    {图片框5, &pictures::logo_readnovel, hosts::readnovel, "/"},
    {图片框7, &pictures::logo_xiaoshuozhe, hosts::xiaoshuozhe, ""},
    {图片框1, &pictures::logo_qidian, hosts::qidian, "/Default.aspx"},
    {图片框9, &pictures::logo_jjwxc, hosts::jjwxc, "/"},
    {图片框10, &pictures::logo_hjsm, hosts::hjsm, "/"},
    {图片框11, &pictures::logo_qqbook, hosts::qq_book, "/"},
    {图片框12, &pictures::logo_sohu, hosts::sohu_yc, "/"},
    {图片框13, &pictures::logo_sina, hosts::sina_book, "/"},
    {图片框14, &pictures::logo_bxwx, hosts::bxwx, "/"},
    // page "第二页"
    {图片框33, &pictures::logo_qingdi, hosts::qingdi, "/"},
    {图片框34, &pictures::logo_luoqiu, hosts::luoqiu, "/"},
    {图片框35, &pictures::logo_bjaishu, hosts::bjaishu, "/"},
    {图片框36, &pictures::logo_17k, hosts::k17, "/"},  // shows the 17K logo again, so it opens 17K too
    {图片框37, &pictures::logo_paoshu8, hosts::paoshu8, "/"},
    {图片框38, &pictures::logo_yuanchuang, hosts::yuanchuang, "/"},
    {图片框39, &pictures::logo_35xs, hosts::xs35, ""},
    {图片框40, &pictures::logo_xinxs8, hosts::xinxs8, "/"},
    {图片框41, &pictures::logo_baishuku, hosts::baishuku, "/"},
    {图片框42, &pictures::logo_langman, hosts::langman, "/"},
    {图片框43, &pictures::logo_yqxsg, hosts::yqxsg, "/"},
    {图片框44, &pictures::logo_qiangwei, hosts::qiangwei, "/"},
    {图片框45, &pictures::logo_aiyanqing, hosts::aiyanqing, "/"},
    {图片框46, &pictures::logo_wanshuxuan, hosts::wanshuxuan, "/"},
};

}  // namespace

std::span<const Site> sites() { return directory_table; }

const Site* site_of_logo(forms::ControlId logo) {
    for (const Site& site : directory_table)
        if (site.logo == logo) return &site;
    return nullptr;
}

Text site_address(const Site& site) { return Text(site.host) + Text(site.path); }

forms::Picture logo_of(forms::ControlId logo) {
    const Site* site = site_of_logo(logo);
    return site ? site->picture : nullptr;
}

}  // namespace directory
