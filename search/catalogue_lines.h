#pragma once
// The lines of the reader's catalogue file (search/reader_catalogue.h), each
// judged alone: the engines and sites it gives, or why it gives nothing.
//
//   [搜索引擎]
//   名称=地址              %s marks where the book name goes; sent in GBK
//   名称=编码 地址         编码: GBK, GB18030, BIG5 or UTF-8, any case
//   名称=隐藏              a built-in engine taken out of the list
//   [站点]
//   名称=地址              a site of the directory, by the name its logo shows
#include <optional>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace search {

struct EngineLine {
    int line = 0;
    Text name;                            // as written: the new engine's list text
    std::optional<std::size_t> built_in;  // the built-in engine it replaces or hides
    bool hidden = false;
    Text address;  // with %s where the name goes
    CodePage charset = CodePage::gbk;
};

struct SiteLine {
    int line = 0;
    Text name;  // as the logo shows it; two logos may show the same site
    Text address;
};

struct Refusal {
    int line = 0;
    Text reason;
};

struct CatalogueLines {
    std::vector<EngineLine> engines;
    std::vector<SiteLine> sites;
    std::vector<Refusal> refused;
};

// The most engines a catalogue may add to the built-in ones, and the longest line.
inline constexpr std::size_t max_added_engines = 100;
inline constexpr std::size_t max_line_bytes = 2048;
inline constexpr std::string_view too_many_engines = "自定义的搜索引擎超过 100 个";

// The good and refused lines of one file, its text the program's own (GBK).
CatalogueLines parse_catalogue(std::string_view text);

// A file's bytes as the program's text: UTF-8 with or without a BOM, UTF-16
// with a BOM, anything else GBK, so that what any editor saves is read.
Text catalogue_text(std::string_view bytes);

// The name as names are compared: ASCII letters in one case, GBK characters as they are.
Text folded_name(std::string_view name);

}  // namespace search
