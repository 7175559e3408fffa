#include "host/documents.h"

#include "host/run_directory.h"

ReadResult ReadDocument(const Text& path, std::string& bytes) {
    return platform().read_file(os_path(path), bytes, links_for(path));
}

void OpenDocument(const Text& path) { platform().open_document(os_path(path)); }

void ShowReport(const Text& caption, const Text& message) { platform().show_report_box(caption, message); }

void NoteOnConsole(const Text& line) { platform().note_on_console(line); }
