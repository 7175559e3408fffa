// The reader's catalogue without a window: each kind of line and what it
// gives or why it is refused, the file's encodings, what a catalogue puts in
// force, and the addresses it builds in each character set. Built for both
// platforms: the character sets are the system's own tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/catalogue_lines.h"
#include "search/engines.h"
#include "search/reader_catalogue.h"
#include "sites/sites.h"
#include "tests/search/expected_addresses.h"

namespace {

using namespace search;

// One line under a section, and the one engine or site it gives (its address
// shown), or the reason it is refused.
struct LineCase {
    const char* text;
    const char* gives;  // "engine NAME ADDRESS", "hidden N", "replaced N ADDRESS", "site NAME ADDRESS", or the reason
};

std::string outcome(const CatalogueLines& lines) {
    if (!lines.refused.empty()) return lines.refused.front().reason;
    if (!lines.sites.empty()) return "site " + lines.sites.front().name + " " + lines.sites.front().address;
    if (lines.engines.empty()) return "nothing";
    const EngineLine& e = lines.engines.front();
    if (e.hidden) return "hidden " + std::to_string(*e.built_in);
    if (e.built_in) return "replaced " + std::to_string(*e.built_in) + " " + e.address;
    return "engine " + e.name + " " + e.address + " " + std::to_string(int(e.charset));
}

TEST(ReaderCatalogue, EachLineIsJudgedAlone) {
    const LineCase engines[] = {
        {"百度【B】=https://www.baidu.com/s?wd=%s", "engine 百度【B】 https://www.baidu.com/s?wd=%s 936"},
        {"  百度 \t=\t utf-8   HTTP://b.example/%s  ", "engine 百度 HTTP://b.example/%s 65001"},
        {"繁=Big5 http://t.example/?q=%s", "engine 繁 http://t.example/?q=%s 950"},
        {"全=GB18030 http://g.example/%s", "engine 全 http://g.example/%s 54936"},
        {"晋江文学网【B】=http://j.example/?kw=%s", "replaced 1 http://j.example/?kw=%s"},
        {"晋江文学网=隐藏", "hidden 1"},
        {"新小说吧【a】=隐藏", "hidden 10"},
        {"百度=隐藏", "只有程序自带的搜索引擎可以隐藏"},
        {"坏=file:///etc/passwd%s", "地址不是以 http:// 或 https:// 开头"},
        {"坏=javascript:alert(%s)", "地址不是以 http:// 或 https:// 开头"},
        {"坏=\\\\server\\share\\%s", "地址不是以 http:// 或 https:// 开头"},
        {"坏=http:///etc/%s", "地址不是以 http:// 或 https:// 开头"},
        {"坏=http://x.example/", "地址里没有 %s（书名放在那里）"},
        {"坏=latin1 http://x.example/%s", "不认识的编码“latin1”，可用 GBK、GB18030、BIG5、UTF-8"},
        {"坏=http://x.example/\x01%s", "含有控制字符"},
        {"坏=utf-8 http://x.example/a\tb%s", "含有控制字符"},
        {"=http://x.example/%s", "名称是空的"},
        {"没有等号", "不是“名称=地址”的形式"},
    };
    for (const LineCase& c : engines)
        EXPECT_EQ(outcome(parse_catalogue("[搜索引擎]\r\n" + std::string(c.text))), c.gives) << c.text;
    const LineCase sites[] = {
        {"起点中文网=https://www.qidian.com/", "site 起点中文网 https://www.qidian.com/"},
        {"17k小说网 = http://17k.example/", "site 17k小说网 http://17k.example/"},
        {"百度=https://www.baidu.com/", "“百度”不是小说名站里的站点"},
        {"起点中文网=www.qidian.com", "地址不是以 http:// 或 https:// 开头"},
    };
    for (const LineCase& c : sites)
        EXPECT_EQ(outcome(parse_catalogue("[站点]\n" + std::string(c.text))), c.gives) << c.text;
    EXPECT_EQ(outcome(parse_catalogue("百度=http://x.example/%s")), "不在[搜索引擎]或[站点]小节里");
    EXPECT_EQ(outcome(parse_catalogue("[书籍]")), "不认识的小节[书籍]，只有[搜索引擎]和[站点]");
    EXPECT_EQ(outcome(parse_catalogue("; 注释=http://x/%s\n# 注释\n\n[站点]")), "nothing");
    EXPECT_EQ(outcome(parse_catalogue("[站点]\n起点中文网=http://x.example/" + std::string(2048, 'a'))),
              "超过 2048 字节");
}

TEST(ReaderCatalogue, LaterLinesForTheSameNameAndLinesPastTheLimitAreRefused) {
    // A refused line leaves its name free for a later one (line 6).
    std::string text =
        "[搜索引擎]\n晋江文学网=隐藏\n晋江文学网【B】=http://j.example/%s\nA=http://a.example/%s\n"
        "a=http://b.example/%s\nB=ftp://x/%s\nb=http://b.example/%s\n";
    for (int i = 2; i < 101; ++i) text += "e" + std::to_string(i) + "=http://e.example/%s\n";
    const CatalogueLines lines = parse_catalogue(text);
    ASSERT_EQ(lines.refused.size(), 4u);
    EXPECT_EQ(lines.refused[0].line, 3);
    EXPECT_EQ(lines.refused[0].reason, "名称“晋江文学网【B】”在前面已经用过");
    EXPECT_EQ(lines.refused[1].line, 5);
    EXPECT_EQ(lines.refused[2].line, 6);
    EXPECT_EQ(lines.refused[3].line, 106);
    EXPECT_EQ(lines.refused[3].reason, too_many_engines);
    EXPECT_EQ(lines.engines.size(), 1u + 100u);
}

TEST(ReaderCatalogue, FileIsReadAsUtf8Utf16OrGbk) {
    const std::string gbk = "[站点]\r\n起点中文网=http://q.example/";
    const std::string utf8 =
        "[\xE7\xAB\x99\xE7\x82\xB9]\r\n\xE8\xB5\xB7\xE7\x82\xB9\xE4\xB8\xAD\xE6\x96\x87\xE7\xBD\x91=http://q.example/";
    std::string utf16le = "\xFF\xFE", utf16be = "\xFE\xFF";
    for (const char16_t unit : u"[站点]\r\n起点中文网=http://q.example/") {
        if (unit == 0) break;
        utf16le += {char(unit & 0xFF), char(unit >> 8)};
        utf16be += {char(unit >> 8), char(unit & 0xFF)};
    }
    for (const std::string& bytes : {gbk, utf8, "\xEF\xBB\xBF" + utf8, utf16le, utf16be})
        EXPECT_EQ(outcome(parse_catalogue(catalogue_text(bytes))), "site 起点中文网 http://q.example/");
}

TEST(ReaderCatalogue, TheNameGoesInAsOneValueForEveryEngine) {
    for (const ExpectedSearch& search : expected_searches) {
        ASSERT_NE(engine_at(search.engine), nullptr);
        EXPECT_EQ(search_address(*engine_at(search.engine), search.name), search.address) << search.address;
    }
}

TEST(ReaderCatalogue, EachCharacterSetGetsTheNameInItsOwnBytes) {
    struct Row {
        CodePage charset;
        const char* address;
    };
    // 苍 is not in BIG5: it goes as an encoded "?".
    const Row rows[] = {
        {CodePage::gbk, "http://x.example/?q=%B6%B7%C6%C6%B2%D4%F1%B7%20A%2B&s=%D5%BE"},
        {CodePage::gb18030, "http://x.example/?q=%B6%B7%C6%C6%B2%D4%F1%B7%20A%2B&s=%D5%BE"},
        {CodePage::big5, "http://x.example/?q=%A4%E6%AF%7D%3F%AA%C6%20A%2B&s=%AF%B8"},
        {CodePage::utf8, "http://x.example/?q=%E6%96%97%E7%A0%B4%E8%8B%8D%E7%A9%B9%20A%2B&s=%E7%AB%99"},
    };
    for (const Row& row : rows) {
        const ListedEngine engine{"x", "x", "http://x.example/?q=%s&s=站", row.charset};
        EXPECT_EQ(search_address(engine, "斗破苍穹 A+"), row.address) << int(row.charset);
    }
    // The euro sign, GBK's single byte 0x80, has two bytes of its own in GB18030.
    const ListedEngine gb18030{"x", "x", "http://x.example/%s", CodePage::gb18030};
    EXPECT_EQ(search_address(gb18030, "\x80"), "http://x.example/%A2%E3");
}

CatalogueFile file(const char* path, std::string bytes) { return {path, std::move(bytes), CatalogueFile::State::read}; }

TEST(ReaderCatalogue, ItsEnginesAndSitesAreInForceAndTheReadersOwnLinesWin) {
    const CatalogueFile files[] = {
        file("beside.ini",
             "[搜索引擎]\n零点看书网=隐藏\n晋江文学网=http://j.example/?kw=%s\n甲【A】=http://a.example/%s\n乙=utf-8 "
             "http://b.example/%s\n[站点]\n17K小说网=http://17k.example/\n"),
        file("own.ini", "[搜索引擎]\n甲【A】=big5 http://a2.example/%s\n丙=http://c.example/%s\n坏=%s\n"),
        {"big.ini", {}, CatalogueFile::State::too_large},
    };
    const CatalogueReport report = apply_catalogue(files);
    EXPECT_EQ(report.engines, 5u);
    EXPECT_EQ(report.sites, 1u);
    const std::vector<Text> refused = refusal_lines(report);
    ASSERT_EQ(refused.size(), 2u);
    EXPECT_EQ(refused[0], "big.ini：超过 1 MiB，整个文件没有读");
    EXPECT_EQ(refused[1], "own.ini 第 4 行：地址不是以 http:// 或 https:// 开头");

    std::vector<Text> list;
    for (const ListedEngine& engine : listed_engines()) list.push_back(engine.list_text + "|" + engine.caption);
    const std::vector<Text> expected = {"宜搜小说网【A】|宜搜小说网",
                                        "晋江文学网【B】|晋江文学网",
                                        "小说阅读网【B】|小说阅读网",
                                        "纵横中文网【A】|纵横中文网",
                                        "言情小说吧【B】|言情小说吧",
                                        "搜狐原创【A】|搜狐原创",
                                        "腾讯读书【A】|腾讯读书",
                                        "新浪读书【A】|新浪读书",
                                        "原创小说网【B】|原创小说网",
                                        "新小说吧【A】|新小说吧",
                                        "甲【A】|甲",
                                        "乙|乙",
                                        "丙|丙"};
    EXPECT_EQ(list, expected);
    EXPECT_EQ(search_address(*engine_at(1), "C#"), "http://j.example/?kw=C%23");
    EXPECT_EQ(search_address(*engine_at(10), "斗破"), "http://a2.example/%A4%E6%AF%7D");
    EXPECT_EQ(search_address(*engine_at(11), "斗破"), "http://b.example/%E6%96%97%E7%A0%B4");
    // Both logos of 17K are the same site.
    EXPECT_EQ(sites::site_address_at(2), "http://17k.example/");
    EXPECT_EQ(sites::site_address_at(17), "http://17k.example/");
    EXPECT_EQ(sites::site_address_at(7), "http://www.qidian.com/Default.aspx");

    // Without a file, everything is the program's own again.
    const CatalogueFile none[] = {{"beside.ini", {}, CatalogueFile::State::missing}};
    const CatalogueReport empty = apply_catalogue(none);
    ASSERT_EQ(listed_engines().size(), built_in_engines().size());
    for (std::size_t i = 0; i < built_in_engines().size(); ++i)
        EXPECT_EQ(listed_engines()[i].address, listed(built_in_engines()[i]).address);
    EXPECT_EQ(sites::site_address_at(2), "http://www.17k.com/");
    EXPECT_NE(report_text(empty).find("没有自定义站点文件"), Text::npos);
}

TEST(ReaderCatalogue, TemplateReadsBackAsNothingButComments) {
    const std::string bytes = catalogue_template();
    EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF"));
    const CatalogueLines lines = parse_catalogue(catalogue_text(bytes));
    EXPECT_TRUE(lines.engines.empty() && lines.sites.empty() && lines.refused.empty());
    // Each example, uncommented, is a good line.
    std::string examples;
    for (std::size_t at = 0; (at = bytes.find("\r\n;", at)) != std::string::npos; at += 3)
        if (bytes.compare(at + 3, 1, " ") != 0 && bytes.compare(at + 3, 2, "\r\n") != 0)
            examples += bytes.substr(at + 3, bytes.find("\r\n", at + 3) - at - 3) + "\r\n";
    const CatalogueLines uncommented = parse_catalogue(catalogue_text(examples));
    EXPECT_TRUE(uncommented.refused.empty());
    EXPECT_EQ(uncommented.engines.size() + uncommented.sites.size(), 4u);
}

}  // namespace
