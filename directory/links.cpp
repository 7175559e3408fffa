#include "directory/links.h"

#include "app/host.h"
#include "directory/books.h"
#include "directory/hosts.h"
#include "directory/sites.h"

namespace directory {
namespace {

Text join_group_address(std::string_view group_number) {
    return Text(hosts::qq_groups) + "/air/#jointhegroup/gid/" + Text(group_number);
}

}  // namespace

std::optional<bool> open_site_of_logo(const forms::EventArgs& args) {
    if (const Site* site = site_of_logo(args.control)) OpenAddress(site_address(*site));
    return std::nullopt;
}

std::optional<bool> open_book_of_cover(const forms::EventArgs& args) {
    const Book* book = book_of(args.control);
    if (book && book->cover == args.control) OpenAddress(book_address(*book));
    return std::nullopt;
}

void open_update_on_baidu_pan() {
    OpenAddress(Text(hosts::baidu_pan) + "/share/link?shareid=" + Text(hosts::baidu_share_id) +
                "&uk=" + Text(hosts::baidu_sharer_uk));
}

void open_update_on_qianyi() { OpenAddress(Text(hosts::qianyi_maker) + "/"); }

void open_browser_installer() { OpenAddress(Text(hosts::qihoo_download) + "/cse/360cse_7.0.0.610.exe"); }

void open_video_tutorial() { OpenAddress(Text(hosts::video_56) + "/c13/Pz4iIiokJiNqJWQhKA.html"); }

void join_software_group() { OpenAddress(join_group_address(hosts::software_group_number)); }

void join_novel_group() { OpenAddress(join_group_address(hosts::novel_group_number)); }

}  // namespace directory
