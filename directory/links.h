#pragma once
// The outside links of the two windows besides sites and books: each opens
// one fixed address and does nothing else.

namespace directory {

// main window, page "下载链接"
void open_update_on_baidu_pan();    // 按钮3
void open_update_on_qianyi();       // 按钮4
void open_browser_installer();      // 按钮7

// welcome window
void open_video_tutorial();         // 标签1
void join_software_group();         // 透明标签4
void join_novel_group();            // 透明标签10

}  // namespace directory
