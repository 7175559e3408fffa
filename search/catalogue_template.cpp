#include "search/reader_catalogue.h"

namespace search {
namespace {

// Written in the program's text and handed over as UTF-8 with a BOM, which
// Notepad and the Linux editors all recognise.
constexpr std::string_view template_lines[] = {
    "; 砚舟小说搜索器：自定义搜索引擎和站点",
    ";",
    "; 这个文件由你自己编写，程序只读它，从不改写它。改好后保存，在程序的搜索引擎列表上",
    "; 点右键（或按 Shift+F10、菜单键），选“重新读取自定义站点”，程序会告诉你读入了什么，",
    "; 哪一行为什么没有采用。每一行单独判断：写错的行不影响别的行和程序自带的引擎、站点。",
    "; 以 ; 或 # 开头的行是注释，= 两边的空格不算。",
    ";",
    "; [搜索引擎]",
    ";   名称=地址          地址里的 %s 是书名的位置，书名按 GBK 编码发送，和自带的引擎一样",
    ";   名称=编码 地址     编码可以是 GBK、GB18030、BIG5 或 UTF-8（大小写都行）",
    ";   名称=隐藏          把一个自带的搜索引擎从列表里去掉",
    ";   名称是自带引擎的列表文字或按钮上的名字（“晋江文学网【B】”或“晋江文学网”）时，",
    ";   就在原来的位置换掉它的地址，或者隐藏它；别的名称是新的搜索引擎，按这里的顺序排在",
    ";   自带引擎的后面，搜索按钮上显示名称去掉末尾的【…】等级。最多新增 100 个。",
    ";",
    "; [站点]",
    ";   名称=地址          小说名站里的一个站点（按标志上的名字），按下标志时打开这个地址",
    ";",
    "; 地址必须以 http:// 或 https:// 开头，不能有控制字符，一行不超过 2048 字节。",
    ";",
    "; 例子：去掉行首的分号就生效。",
    ";[搜索引擎]",
    ";晋江文学网=https://www.jjwxc.net/search.php?kw=%s&t=1",
    ";零点看书网=隐藏",
    ";起点中文网【A】=UTF-8 https://www.qidian.com/so/%s.html",
    ";",
    ";[站点]",
    ";起点中文网=https://www.qidian.com/",
};

}  // namespace

std::string catalogue_template() {
    Text text;
    for (const std::string_view line : template_lines) text += Text(line) + "\r\n";
    return "\xEF\xBB\xBF" + to_utf8(text);
}

}  // namespace search
