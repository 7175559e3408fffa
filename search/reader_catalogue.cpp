#include "search/reader_catalogue.h"

#include <algorithm>

#include "host/documents.h"
#include "host/host.h"
#include "host/settings.h"
#include "search/engines.h"
#include "sites/sites.h"

namespace search {
namespace {

Text folder_of(const Text& path) {
    const std::size_t separator = path.rfind('\\');
    return separator == Text::npos ? Text() : path.substr(0, separator);
}

Text in_folder(const Text& folder) { return folder + "\\" + Text(catalogue_file_name); }

// A reader's grade after a name ("起点【A】") is not part of the caption.
Text caption_of(const Text& name) {
    static constexpr std::string_view open = "【", close = "】";
    if (!std::string_view(name).ends_with(close)) return name;
    std::size_t grade = Text::npos;
    for (std::size_t i = 0; i < name.size(); i += gbk_character_length(name, i))
        if (std::string_view(name).substr(i).starts_with(open)) grade = i;
    return grade == Text::npos || grade == 0 ? name : name.substr(0, grade);
}

// The path as the reader's system writes it: where the run directory is a
// POSIX one, with "/" for "\" (a GBK trail byte may be 0x5C and stays).
Text shown_path(Text path) {
    if (!RunDirectory().starts_with('/')) return path;
    for (std::size_t i = 0; i < path.size(); i += gbk_character_length(path, i))
        if (path[i] == '\\') path[i] = '/';
    return path;
}

struct Line {
    EngineLine engine;
    Text path;
};

// The same engine, as two files name it.
bool same_engine(const EngineLine& a, const EngineLine& b) {
    return a.built_in || b.built_in ? a.built_in == b.built_in : folded_name(a.name) == folded_name(b.name);
}

}  // namespace

std::vector<Text> catalogue_paths() {
    std::vector<Text> paths{in_folder(RunDirectory())};
    const Text settings_folder = folder_of(settings_file_path());
    if (!settings_folder.empty() && settings_folder != RunDirectory()) paths.push_back(in_folder(settings_folder));
    return paths;
}

CatalogueFile read_catalogue_file(const Text& path) {
    CatalogueFile file{path, {}, CatalogueFile::State::missing};
    std::string bytes;
    switch (ReadDocument(path, bytes)) {
        case ReadResult::whole:
            file.bytes = std::move(bytes);
            file.state = CatalogueFile::State::read;
            break;
        case ReadResult::cut: file.state = CatalogueFile::State::too_large; break;
        case ReadResult::unreadable: file.state = CatalogueFile::State::unreadable; break;
        case ReadResult::missing: break;
    }
    return file;
}

CatalogueReport apply_catalogue(std::span<const CatalogueFile> files) {
    CatalogueReport report;
    std::vector<Line> engines;
    std::vector<Text> site_addresses;
    for (const CatalogueFile& file : files) {
        report.files.push_back({file.path, {}, file.state});
        if (file.state != CatalogueFile::State::read) continue;
        CatalogueLines lines = parse_catalogue(catalogue_text(file.bytes));
        for (Refusal& refusal : lines.refused) report.refused.push_back({file.path, std::move(refusal)});
        // A later file's line takes the place of an earlier one's for the same engine.
        for (EngineLine& line : lines.engines) {
            auto same = std::find_if(engines.begin(), engines.end(),
                                     [&](const Line& l) { return same_engine(l.engine, line); });
            if (same != engines.end())
                *same = {std::move(line), file.path};
            else
                engines.push_back({std::move(line), file.path});
        }
        for (const SiteLine& line : lines.sites) {
            site_addresses.resize(sites::sites().size());
            for (std::size_t row = 0; row < sites::sites().size(); ++row)
                if (folded_name(sites::sites()[row].name) == folded_name(line.name)) site_addresses[row] = line.address;
            ++report.sites;
        }
    }
    // Two files may each add up to the limit; together they may not pass it.
    std::size_t added = 0;
    std::erase_if(engines, [&](const Line& l) {
        if (l.engine.built_in || ++added <= max_added_engines) return false;
        report.refused.push_back({l.path, {l.engine.line, Text(too_many_engines)}});
        return true;
    });
    report.engines = engines.size();

    std::vector<ListedEngine> list;
    const auto built_in = built_in_engines();
    for (std::size_t i = 0; i < built_in.size(); ++i) {
        ListedEngine engine = listed(built_in[i]);
        auto line = std::find_if(engines.begin(), engines.end(), [i](const Line& l) { return l.engine.built_in == i; });
        if (line != engines.end() && line->engine.hidden) continue;
        if (line != engines.end()) {
            engine.address = line->engine.address;
            engine.charset = line->engine.charset;
        }
        list.push_back(std::move(engine));
    }
    for (const Line& l : engines)
        if (!l.engine.built_in)
            list.push_back({l.engine.name, caption_of(l.engine.name), l.engine.address, l.engine.charset});
    list_engines(std::move(list));
    sites::repoint_sites(std::move(site_addresses));
    return report;
}

CatalogueReport load_reader_catalogue() {
    std::vector<CatalogueFile> files;
    for (const Text& path : catalogue_paths()) files.push_back(read_catalogue_file(path));
    return apply_catalogue(files);
}

std::vector<Text> refusal_lines(const CatalogueReport& report) {
    std::vector<Text> lines;
    for (const CatalogueFile& file : report.files) {
        if (file.state == CatalogueFile::State::too_large)
            lines.push_back(shown_path(file.path) + "：超过 1 MiB，整个文件没有读");
        if (file.state == CatalogueFile::State::unreadable)
            lines.push_back(shown_path(file.path) + "：无法读取，整个文件没有读");
    }
    for (const auto& refused : report.refused)
        lines.push_back(shown_path(refused.path) + " 第 " + std::to_string(refused.refusal.line) + " 行：" +
                        refused.refusal.reason);
    return lines;
}

Text report_text(const CatalogueReport& report) {
    // A box taller than the screen cannot be closed with the mouse.
    constexpr std::size_t most_lines_shown = 20;
    const bool any_file = std::any_of(report.files.begin(), report.files.end(),
                                      [](const CatalogueFile& f) { return f.state != CatalogueFile::State::missing; });
    Text text;
    if (!any_file) {
        text = "没有自定义站点文件，用的是程序自带的搜索引擎和站点。\r\n可用“编辑自定义站点…”新建：";
        for (const CatalogueFile& file : report.files) text += "\r\n" + shown_path(file.path);
        return text;
    }
    text = "读入了 " + std::to_string(report.engines) + " 个搜索引擎、" + std::to_string(report.sites) + " 个站点。";
    const std::vector<Text> lines = refusal_lines(report);
    if (lines.empty()) return text + "\r\n每一行都采用了。";
    text += "\r\n没有采用的行：";
    for (std::size_t i = 0; i < lines.size() && i < most_lines_shown; ++i) text += "\r\n" + lines[i];
    if (lines.size() > most_lines_shown)
        text += "\r\n……还有 " + std::to_string(lines.size() - most_lines_shown) + " 行没有采用";
    return text;
}

Text catalogue_file_for_editing() {
    const Text folder = folder_of(settings_file_for_writing());
    return in_folder(folder.empty() ? RunDirectory() : folder);
}

}  // namespace search
