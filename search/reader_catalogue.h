#pragma once
// The reader's own catalogue: one optional file, "搜索器自定义站点.ini", in
// the folder of the settings file, that hides, replaces and adds engines and
// re-points the directory's sites (its lines: search/catalogue_lines.h).
// Built in, the catalogue is the program's own; the file only overlays it,
// and without it nothing changes. The program reads the file, never writes
// it, but for the template it makes when the reader asks to edit a file that
// is not there.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"
#include "search/catalogue_lines.h"

namespace search {

inline constexpr std::string_view catalogue_file_name = "搜索器自定义站点.ini";

// One file as read: its path text and its bytes, or why it was left unread.
struct CatalogueFile {
    Text path;
    Text bytes;
    enum class State { read, missing, too_large, unreadable } state = State::missing;
};

// What a reading put in force, and what it refused, file by file.
struct CatalogueReport {
    std::size_t engines = 0, sites = 0;  // good lines
    struct Refused {
        Text path;
        Refusal refusal;
    };
    std::vector<Refused> refused;
    std::vector<CatalogueFile> files;  // without their bytes
};

// The files to read, in order: the one beside the program, then the one in
// the reader's own settings folder where the settings live there, whose
// lines win.
std::vector<Text> catalogue_paths();
CatalogueFile read_catalogue_file(const Text& path);
// Puts the files' catalogue in force: the engine list (search/engines.h) and
// the sites' addresses (sites/sites.h). Files that were not read change
// nothing; with none, everything is the program's own.
CatalogueReport apply_catalogue(std::span<const CatalogueFile> files);
// Both, as the program does at start and when the reader asks.
CatalogueReport load_reader_catalogue();

// The short report the reader is shown, and the lines written at start.
Text report_text(const CatalogueReport& report);
std::vector<Text> refusal_lines(const CatalogueReport& report);

// The file the reader edits: in the folder settings are written to.
Text catalogue_file_for_editing();
// The template made for a reader who edits a file that is not there: UTF-8
// with a BOM and CRLF lines, every example commented out.
std::string catalogue_template();

}  // namespace search
