#include "search/catalogue_lines.h"

#include <array>

#include "search/engines.h"
#include "sites/sites.h"

namespace search {
namespace {

constexpr std::string_view engines_section = "搜索引擎";
constexpr std::string_view sites_section = "站点";
constexpr std::string_view hidden_word = "隐藏";

struct Charset {
    std::string_view word;  // as the reader writes it, any case
    CodePage page;
};
constexpr std::array<Charset, 4> charsets = {{
    {"gbk", CodePage::gbk},
    {"gb18030", CodePage::gb18030},
    {"big5", CodePage::big5},
    {"utf-8", CodePage::utf8},
}};

bool blank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// A tab is a blank between the parts of a line, and a control character
// inside a name or an address.
bool has_control_character(std::string_view text, bool tab_too = true) {
    for (const unsigned char c : text)
        if ((c < 0x20 && (tab_too || c != '\t')) || c == 0x7F) return true;
    return false;
}

bool starts_with_folded(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && folded_name(text.substr(0, prefix.size())) == prefix;
}

// Only the web's own schemes ever reach the system's "open": never a file,
// a program, a script or a share, and never a scheme without a host.
bool is_web_address(std::string_view address) {
    for (const std::string_view scheme : {std::string_view("http://"), std::string_view("https://")}) {
        if (!starts_with_folded(address, scheme)) continue;
        const std::string_view rest = address.substr(scheme.size());
        return !rest.empty() && rest.front() != '/' && rest.front() != '\\';
    }
    return false;
}

std::optional<CodePage> charset_named(std::string_view word) {
    const Text folded = folded_name(word);
    for (const Charset& charset : charsets)
        if (folded == charset.word) return charset.page;
    return std::nullopt;
}

std::optional<std::size_t> built_in_named(const Text& folded) {
    const auto engines = built_in_engines();
    for (std::size_t i = 0; i < engines.size(); ++i)
        if (folded == folded_name(engines[i].list_text) || folded == folded_name(engines[i].caption)) return i;
    return std::nullopt;
}

bool is_site_name(const Text& folded) {
    for (const sites::Site& site : sites::sites())
        if (folded == folded_name(site.name)) return true;
    return false;
}

Text quoted(std::string_view name) { return "“" + Text(name) + "”"; }

// Judges one line of a section; the reason when it is refused.
class Judge {
public:
    explicit Judge(CatalogueLines& out) : out_(out) {}

    void section(int line, std::string_view name) {
        name = trimmed(name);
        section_ = name == engines_section ? Section::engines
                   : name == sites_section ? Section::sites
                                           : Section::unknown;
        if (section_ == Section::unknown) refuse(line, "不认识的小节[" + Text(name) + "]，只有[搜索引擎]和[站点]");
    }

    void entry(int line, std::string_view text) {
        const std::size_t equals = text.find('=');
        if (section_ != Section::engines && section_ != Section::sites)
            return refuse(line, "不在[搜索引擎]或[站点]小节里");
        if (equals == std::string_view::npos) return refuse(line, "不是“名称=地址”的形式");
        const std::string_view name = trimmed(text.substr(0, equals));
        const std::string_view value = trimmed(text.substr(equals + 1));
        if (name.empty()) return refuse(line, "名称是空的");
        if (has_control_character(name)) return refuse(line, "含有控制字符");
        const Text folded = folded_name(name);
        if (section_ == Section::engines)
            engine(line, name, folded, value);
        else
            site(line, name, folded, value);
    }

    void refuse(int line, Text reason) { out_.refused.push_back({line, std::move(reason)}); }

private:
    enum class Section { none, engines, sites, unknown };

    void engine(int line, std::string_view name, const Text& folded, std::string_view value) {
        const std::optional<std::size_t> built_in = built_in_named(folded);
        // A built-in engine has two names; either one is the engine.
        const Text key = built_in ? folded_name(built_in_engines()[*built_in].caption) : folded;
        if (used(key)) return refuse(line, "名称" + quoted(name) + "在前面已经用过");
        if (value == hidden_word) {
            if (!built_in) return refuse(line, "只有程序自带的搜索引擎可以隐藏");
            used_.push_back(key);
            out_.engines.push_back({line, Text(name), built_in, true, {}, CodePage::gbk});
            return;
        }
        CodePage charset = CodePage::gbk;
        std::string_view address = value;
        if (!is_web_address(value)) {
            const std::size_t gap = value.find_first_of(" \t");
            if (gap != std::string_view::npos) {
                const std::string_view word = value.substr(0, gap);
                const std::optional<CodePage> named = charset_named(word);
                if (!named) return refuse(line, "不认识的编码" + quoted(word) + "，可用 GBK、GB18030、BIG5、UTF-8");
                charset = *named;
                address = trimmed(value.substr(gap));
            }
        }
        if (!is_web_address(address)) return refuse(line, "地址不是以 http:// 或 https:// 开头");
        if (has_control_character(address)) return refuse(line, "含有控制字符");
        if (address.find(name_mark) == std::string_view::npos) return refuse(line, "地址里没有 %s（书名放在那里）");
        if (!built_in && added_ == max_added_engines) return refuse(line, Text(too_many_engines));
        added_ += built_in ? 0 : 1;
        used_.push_back(key);
        out_.engines.push_back({line, Text(name), built_in, false, Text(address), charset});
    }

    void site(int line, std::string_view name, const Text& folded, std::string_view value) {
        if (!is_site_name(folded)) return refuse(line, quoted(name) + "不是小说名站里的站点");
        if (used("site:" + folded)) return refuse(line, "名称" + quoted(name) + "在前面已经用过");
        if (!is_web_address(value)) return refuse(line, "地址不是以 http:// 或 https:// 开头");
        if (has_control_character(value)) return refuse(line, "含有控制字符");
        used_.push_back("site:" + folded);
        out_.sites.push_back({line, Text(name), Text(value)});
    }

    // A name is used by an earlier good line; a refused line leaves it free.
    bool used(const Text& key) const {
        for (const Text& earlier : used_)
            if (earlier == key) return true;
        return false;
    }

    CatalogueLines& out_;
    Section section_ = Section::none;
    std::vector<Text> used_;
    std::size_t added_ = 0;
};

bool valid_utf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                                 : 0;
        if (length == 0 || i + length > bytes.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

Text from_utf16(std::string_view bytes, bool big_endian) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]),
                   second = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = big_endian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    }
    return gbk_from_utf16(units);
}

}  // namespace

Text folded_name(std::string_view name) {
    Text folded(name);
    for (std::size_t i = 0; i < folded.size(); i += gbk_character_length(folded, i))
        if (folded[i] >= 'A' && folded[i] <= 'Z') folded[i] = char(folded[i] - 'A' + 'a');
    return folded;
}

Text catalogue_text(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return from_utf8(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE")) return from_utf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF")) return from_utf16(bytes.substr(2), true);
    return valid_utf8(bytes) ? from_utf8(bytes) : Text(bytes);
}

CatalogueLines parse_catalogue(std::string_view text) {
    CatalogueLines out;
    Judge judge(out);
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view()
                                             : text.substr(end + (text.substr(end).starts_with("\r\n") ? 2 : 1));
        ++number;
        const std::string_view line = trimmed(raw);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (raw.size() > max_line_bytes) {
            judge.refuse(number, "超过 2048 字节");
        } else if (has_control_character(line, false)) {
            judge.refuse(number, "含有控制字符");
        } else if (line.front() == '[' && line.back() == ']') {
            judge.section(number, line.substr(1, line.size() - 2));
        } else {
            judge.entry(number, line);
        }
    }
    return out;
}

}  // namespace search
