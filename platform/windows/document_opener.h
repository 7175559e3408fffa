#pragma once
// The reader's own files and the report box, on Windows.
#include <string>

// Hands a file (UTF-8 path) to the shell's "open" verb; returns at once.
void open_document_in_shell(const std::string& path);
// A modal box of information with an OK button.
void show_information_box(const std::wstring& caption, const std::wstring& message);
