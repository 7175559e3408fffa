#include "sites/links.h"

#include "host/host.h"
#include "sites/books.h"
#include "sites/hosts.h"
#include "sites/sites.h"

namespace sites {
namespace {

Text join_group_address(std::string_view group_number) {
    return Text(hosts::qq_groups) + "/air/#jointhegroup/gid/" + Text(group_number);
}

}  // namespace

std::optional<bool> open_site(const forms::EventArgs& args) {
    if (args.item >= 0 && std::size_t(args.item) < sites().size()) OpenAddress(site_address_at(std::size_t(args.item)));
    return std::nullopt;
}

std::optional<bool> open_book(const forms::EventArgs& args) {
    if (args.item >= 0 && std::size_t(args.item) < books().size()) OpenAddress(book_address(books()[args.item]));
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

}  // namespace sites
