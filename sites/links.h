#pragma once
// The handlers that open outside addresses: a site's logo, a book's cover,
// and the fixed links of the two windows. Each opens one address and does
// nothing else.
#include <optional>

#include "forms/wiring.h"

namespace sites {

// A press on a logo or a cover: the address of the site or book in the row
// of its table that the wiring row names (EventArgs::item).
std::optional<bool> open_site(const forms::EventArgs& args);
std::optional<bool> open_book(const forms::EventArgs& args);

// main window, page "下载链接"
void open_update_on_baidu_pan();  // 按钮3
void open_update_on_qianyi();     // 按钮4
void open_browser_installer();    // 按钮7

// welcome window
void open_video_tutorial();  // 标签1
void join_software_group();  // 透明标签4
void join_novel_group();     // 透明标签10

}  // namespace sites
