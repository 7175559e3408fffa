#include "directory/sites.h"

#include "directory/hosts.h"
#include "forms/main_window/main_window.h"

namespace directory {
namespace {

using namespace main_window;

// In the order of the two pages, row by row, left column first.
constexpr Site directory_table[] = {
    // page "第一页"
    {图片框8, hosts::xs8, "/"},
    {图片框2, hosts::hongxiu, "/"},
    {图片框3, hosts::k17, "/"},
    {图片框6, hosts::zongheng, "/"},
    {图片框4, hosts::zhulang, "/"},
    {图片框5, hosts::readnovel, "/"},
    {图片框7, hosts::xiaoshuozhe, ""},
    {图片框1, hosts::qidian, "/Default.aspx"},
    {图片框9, hosts::jjwxc, "/"},
    {图片框10, hosts::hjsm, "/"},
    {图片框11, hosts::qq_book, "/"},
    {图片框12, hosts::sohu_yc, "/"},
    {图片框13, hosts::sina_book, "/"},
    {图片框14, hosts::bxwx, "/"},
    // page "第二页"
    {图片框33, hosts::qingdi, "/"},
    {图片框34, hosts::luoqiu, "/"},
    {图片框35, hosts::bjaishu, "/"},
    {图片框36, hosts::k17, "/"},  // shows the 17K logo again, so it opens 17K too
    {图片框37, hosts::paoshu8, "/"},
    {图片框38, hosts::yuanchuang, "/"},
    {图片框39, hosts::xs35, ""},
    {图片框40, hosts::xinxs8, "/"},
    {图片框41, hosts::baishuku, "/"},
    {图片框42, hosts::langman, "/"},
    {图片框43, hosts::yqxsg, "/"},
    {图片框44, hosts::qiangwei, "/"},
    {图片框45, hosts::aiyanqing, "/"},
    {图片框46, hosts::wanshuxuan, "/"},
};

}  // namespace

std::span<const Site> sites() { return directory_table; }

const Site* site_of_logo(forms::ControlId logo) {
    for (const Site& site : directory_table)
        if (site.logo == logo) return &site;
    return nullptr;
}

Text site_address(const Site& site) { return Text(site.host) + Text(site.path); }

}  // namespace directory
