#include "search/engines.h"

#include "search/name_encoding.h"
#include "sites/hosts.h"

namespace search {
namespace {

// "http://book.qq.com" -> "book.qq.com": engine 7 passes a site's host as a query value.
constexpr std::string_view host_name(std::string_view origin) {
    const auto separator = origin.find("://");
    return separator == std::string_view::npos ? origin : origin.substr(separator + 3);
}

// 新小说吧's search takes a fixed session token.
constexpr std::string_view xinxs8_session_token = "7c2e4a91d05b38f6e1a9c4d27b0f5e83";

constexpr Engine catalogue[] = {
    // list text        caption        host                     text before the name text after the name
    {"宜搜小说网【A】", "宜搜小说网", hosts::easou_book_search, {"/w/search/"}, "_1_0_0_1.html?wver=dsp"},
    {"晋江文学网【B】", "晋江文学网", hosts::jjwxc, {"/search.php?kw="}, "&t=1"},
    {"小说阅读网【B】", "小说阅读网", hosts::readnovel_search, {"/web/search.php?searchconditions=0&keywords="}, ""},
    {"纵横中文网【A】", "纵横中文网", hosts::zongheng_search, {"/search/bookName/"}, "/1.html"},
    {"言情小说吧【B】", "言情小说吧", hosts::xs8_search, {"/kw/"}, "/col/all?"},
    {"零点看书网【B】", "零点看书网", hosts::lingdian, {"/Book/Search.aspx?SearchKey="}, ""},
    {"搜狐原创【A】", "搜狐原创", hosts::sohu_yc, {"/search.php?keyword="}, "&searchtype=1"},
    {"腾讯读书【A】", "腾讯读书", hosts::soso, {"/q?sc=web&site=", host_name(hosts::qq_book), "&cid=w.q.book&w="}, ""},
    {"新浪读书【A】", "新浪读书", hosts::sina_book, {"/s.php?k="}, "+&s_type="},
    {"原创小说网【B】", "原创小说网", hosts::yuanchuang, {"/book/search?q="}, "+&f=0"},
    {"新小说吧【A】",
     "新小说吧",
     hosts::xinxs8_search,
     {"/mm_s_search.php?PHPSESSID=", xinxs8_session_token, "&exact=bkName&k="},
     ""},
};

constexpr auto list_texts = [] {
    std::array<std::string_view, std::size(catalogue)> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = catalogue[i].list_text;
    return texts;
}();

// The list is made from the built-in table when first asked for: a start
// without a catalogue pays for nothing else.
std::vector<ListedEngine>& engine_list() {
    static std::vector<ListedEngine> list = [] {
        std::vector<ListedEngine> built_in;
        for (const Engine& engine : catalogue) built_in.push_back(listed(engine));
        return built_in;
    }();
    return list;
}

}  // namespace

std::span<const Engine> built_in_engines() { return catalogue; }

std::span<const std::string_view> engine_list_texts() { return list_texts; }

ListedEngine listed(const Engine& engine) {
    Text address{engine.host};
    for (const auto part : engine.before) address += part;
    address += name_mark;
    address += engine.after;
    return {Text(engine.list_text), Text(engine.caption), std::move(address), CodePage::gbk};
}

std::span<const ListedEngine> listed_engines() { return engine_list(); }

void list_engines(std::vector<ListedEngine> engines) { engine_list() = std::move(engines); }

const ListedEngine* engine_at(int index) {
    const auto& list = engine_list();
    if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
    return &list[index];
}

Text search_address(const ListedEngine& engine, const Text& book_name) {
    const Text value = percent_encoded_value(gbk_to(engine.charset, book_name));
    const std::string_view address = engine.address;
    Text built;
    std::size_t from = 0;
    for (std::size_t mark; (mark = address.find(name_mark, from)) != std::string_view::npos;
         from = mark + name_mark.size()) {
        built += non_ascii_encoded(gbk_to(engine.charset, address.substr(from, mark - from)));
        built += value;
    }
    built += non_ascii_encoded(gbk_to(engine.charset, address.substr(from)));
    return built;
}

}  // namespace search
