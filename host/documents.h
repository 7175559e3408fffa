#pragma once
// What the program shows or hands the reader beyond its windows: a file the
// reader keeps (the catalogue of search/reader_catalogue.h) read and opened
// in the reader's own editor, a short report in a box of the system's, and a
// line for whoever started the program from a terminal.
#include <string>

#include "platform/platform.h"

// The file's bytes, up to max_file_size (ReadResult::cut beyond it).
ReadResult ReadDocument(const Text& path, std::string& bytes);
// Opens the file with the desktop's editor for its type; returns at once.
void OpenDocument(const Text& path);
// A box with the message and an OK button, over the program's windows;
// returns when the reader has closed it.
void ShowReport(const Text& caption, const Text& message);
// One line on standard error, where the system has one.
void NoteOnConsole(const Text& line);
