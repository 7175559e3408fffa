#include "sites/books.h"

#include "pictures.h"
#include "sites/hosts.h"

namespace sites {
namespace {

// page, slot, caption, cover picture, blurb, book host, path. The pen
// names in the captions are the ones the covers show.
constinit const Book recommendations[] = {
    // page "玄幻奇幻"
    {0, 0, "《圣王》作者：云中墨客", &pictures::cover_shengwang,
     "圣者立于云端，看尽人间沉浮；\r\n"
     "王者执掌山河，号令四海八方。\r\n"
     "圣与王合一，方为圣王。",
     hosts::qingdi, "/book/271.html"},
    {0, 1, "《傲视九重天》作者：寒江孤影", &pictures::cover_aoshi,
     "少年自边陲小城走出，手握一柄断剑，胸怀一颗不屈之心，发誓要踏破九重天门，亲口问一问苍天为何如此无情。本站提示：本"
     "故事纯属虚构，请勿模仿",
     hosts::kanshu, "/Book/4646/Index.aspx"},
    {0, 2, "《绝世唐门》作者：青衫听雨", &pictures::cover_tangmen,
     "唐门曾经威震整片大陆，万年之后却门庭冷落，只剩一座破旧小院和几位白发老人守着祖师的牌位。\r\n"
     "直到一个少年推开院门，唐门的暗器与名号，才终于重新回到了世人眼前。",
     hosts::kanshu, "/Book/13438/Index.aspx"},
    // page "武侠仙侠"
    {1, 0, "《三生三世倾流年》作者：落花微凉", &pictures::cover_sansheng,
     "　　古老的预言说，三生石上早已刻下两个名字，谁也改不了。\r\n"
     "　　第一世她是仙，他是魔；第二世她是公主，他是将军。\r\n"
     "　　到了第三世，他们能否挣脱纠缠的宿命？",
     hosts::k17_mm, "/book/493631.html"},
    {1, 1, "《遮天》作者：苍穹钓叟", &pictures::cover_zhetian,
     "天地无边，仙人与英雄并起，神朝如潮水般兴替更迭，一个少年仰望苍穹，立誓要走出一条属于自己的路...", hosts::qingdi,
     "/book/5.html"},
    {1, 2, "《求魔》作者：墨染孤灯", &pictures::cover_qiumo,
     "作者说：我想写一个真正的魔，不是披着魔名的好人，也不是只会杀戮的恶徒。\r\n"
     "他有自己的道，哪怕被世人唾弃，也要一步一步走下去。\r\n"
     "这本书写的就是这样一个人，他从一个小山村出发，要去求的是",
     hosts::shuhai, "/html/1/1274.html"},
    // page "都市言情"
    {2, 0, "《校花的贴身保镖》作者：江城小刀", &pictures::cover_baobiao,
     "一个成绩平平的高中生在旧货摊上淘到一枚样子古怪的戒指，戴上之后竟然得到了不可思议的力量，从此他接下了一份特别的差"
     "事：给全校最漂亮、脾气也最大的校花当贴身保镖，上学放学寸步不离。",
     hosts::bjaishu, "/html/15/15519/index.html"},
    {2, 1, "《校花的贴身高手》作者：山野闲人", &pictures::cover_gaoshou,
     "他在深山里跟着师父学艺十多年，一身本事罕逢敌手，却连手机都不会用。\r\n"
     "师父一声令下，他背着包袱下山进城，插班进了一所重点高中，还要暗中护着一位脾气火爆的校花。",
     hosts::xiaoshuozhe, "/book_info/19/19826.htm"},
    {2, 2, "《我的贴身校花》作者：城南旧巷", &pictures::cover_xiaohua,
     "一个普通的高中生在放学路上救下一位受伤的老人，没想到老人竟是隐退多年的顶级杀手，老人把一身本领悄悄传给了他，又托"
     "他暗中守护一位骄傲的校花，于是他原本平静的校园生活，从此变得热闹非凡，麻烦也一个接一个找上门来。",
     hosts::xiaoshuozhe, "/book_info/28/28830.htm"},
    // page "军事历史"
    {3, 0, "《最后一颗子弹留给我》作者：戎马书生", &pictures::cover_zidan,
     "致各位读者：本书已经改编成电视剧，拍摄期间剧组多次和我商量剧情，改动之处还请大家多多包涵。电视剧播出之后，也欢迎"
     "大家回到书里对照着看一看，说说哪一个版本更合你们的口味，我会认真看每一条留言，谢谢。",
     hosts::qidian, "/Book/1735.aspx"},
    {3, 1, "《红色警戒之民国》作者：烽火长歌", &pictures::cover_hongjing,
     "炮火照亮了欧洲的夜空，\r\n"
     "坦克碾过满是弹坑的原野，\r\n"
     "战舰在大洋上互相追逐，\r\n"
     "天上的飞机一架接一架坠落，\r\n"
     "而在东方，一个古老的国家正在悄悄积蓄力量，准备登上世界舞台。",
     hosts::xkzw, "/xkzw17758/"},
    {3, 2, "《辛亥大英雄》作者： 作者：长衫客 ", &pictures::cover_xinhai,
     "“旧的秩序已经崩塌，从今天起，这片土地上的每一个人，都要为自己的命运负责，谁也不能替我们做主！”\r\n"
     "“我们不求称霸，只求一个公平的世界。谁敢欺我同胞，就请他先问问我们手里的枪！”他说完，台下响起雷鸣般的掌声，经久不"
     "息，直到深夜...",
     hosts::xkzw, "/xkzw11125/"},
    // page "游戏竞技"
    {4, 0, "《全职高手》作者：键盘侠客", &pictures::cover_quanzhi,
     "他曾是游戏里最耀眼的高手，被人称作教科书，却在巅峰时被俱乐部赶出了战队。离开之后，他没有消沉，而是带着多年的经验"
     "和一颗不服输的心，从零开始，一步一步地重新杀回巅峰。",
     hosts::qingdi, "/book/17.html"},
    {4, 1, "《召唤圣剑》作者：晨星剑匣", &pictures::cover_zhaohuan,
     "黑暗笼罩了整个大陆，太阳已经三年没有升起，\r\n"
     "魔物在漫漫夜色中四处游荡，吞噬着一座座村庄，\r\n"
     "人们纷纷躲进高墙后的城堡，不敢踏出城门一步。\r\n"
     "传说只有召唤出圣剑的勇者，才能驱散黑暗...",
     hosts::qingdi, "/book/15571.html"},
    {4, 2, "《终极圣灵》作者：电光竞影", &pictures::cover_shengling,
     "他是一名职业游戏玩家，每天在虚拟世界里征战十几个小时，拿过无数冠军，也被对手骂过无数次。当一款全新的全息网游上线"
     "时，他放下了所有的荣誉，决定从一名最普通的新手开始，重新证明自己的实力。\r\n"
     "",
     hosts::ranwen, "/files/article/info/33/33521.htm"},
    // page "科幻灵异"
    {5, 0, "《阴墓阳宅》作者：夜半灯笼", &pictures::cover_yinmu,
     "半夜十二点，老宅的木门吱呀一声自己开了，院子里的老槐树下站着一个穿红衣的女人，背对着我一动不动，长发垂到腰间。\r"
     "\n"
     "我壮着胆子问她是谁，她慢慢转过身来，脸上却什么都没有，只有一片惨白。我手里的手电筒，啪地一声灭了。",
     hosts::qingdi, "/book/17213.html"},
    {5, 1, "《最终进化》作者：无尽行者", &pictures::cover_jinhua,
     "他是一个行走于诸多幻想世界之间的旅人，\r\n"
     "今天还在魔法大陆上与巨龙厮杀，\r\n"
     "明天又在末日废土中寻找食物，\r\n"
     "每一次穿越，他都会带走一点力量，也会留下一段故事。而他真正的目标只有一个：最终进化!",
     hosts::qingdi, "/book/8.html"},
    {5, 2, "《租鬼公司》作者：子夜掌柜", &pictures::cover_zugui,
     "本公司诚招租客：家中冷清想找人作伴？店铺生意冷淡想要冲冲人气？老宅空置想要有人看守？请来租鬼公司！各种鬼魂任您挑"
     "选，价格公道，童叟无欺，租期随意，包退包换，欢迎随时来电来函咨询！",
     hosts::qingdi, "/book/8414.html"},
};

}  // namespace

std::span<const Book> books() { return recommendations; }

Text book_address(const Book& book) { return Text(book.host) + Text(book.path); }

}  // namespace sites
