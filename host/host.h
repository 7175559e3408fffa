#pragma once
// Host operations: everything a handler needs from outside its own data.
// Window operations (LoadWindow, RunStartupWindow, RunMessageLoop) live with
// the form model in forms/model.h.
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "platform/text.h"

void OpenAddress(const Text& address);
void OpenAddress();  // the address left out: our fixed default address

Text ReadSetting(const Text& file, const Text& section, const Text& key);
bool WriteSetting(const Text& file, const Text& section, const Text& key, const Text& value);

Text RunDirectory();
bool FileExists(const Text& path);
bool WriteBytesToFile(const Text& path, std::initializer_list<ByteSet> parts);
bool ChangeFileAttributes(const Text& path, std::int32_t attributes);

std::int32_t ScreenWidth();
std::int32_t ScreenHeight();
// The part of the primary screen that panels and docks leave to windows.
ScreenArea ScreenWorkArea();
// The primary screen's scale (96 dots per inch at 100 %), the scale at which
// one unit of ScreenWidth() is one pixel of a layout, and what the system's
// frame adds around a captioned window's client area at a scale, where known.
std::int32_t ScreenDpi();
std::int32_t ScreenUnitDpi();
std::optional<ScreenSize> CaptionFrame(std::int32_t dpi);
DateTime CurrentDateTime();

Text ToText(const DateTime& when);
std::int32_t ToInteger(const Text& text);
std::int32_t ByteSetLength(ByteSet bytes);

[[noreturn]] void EndProgram(std::int32_t exit_code);

// One entry of an outside library, as the program declares it.
struct ExternalEntry {
    const char* library;  // file name, or a path; empty for none
    const char* entry;
};
// Loads the library on first use and resolves the entry; both stay until
// EndProgram. A library or entry that cannot be found ends in the fatal report.
void* ResolveExternalEntry(const ExternalEntry& entry);

// The bytes of a library the program carries in itself, for when no file of
// it can be had beside the program (a folder closed to writing): the library
// is then loaded from them (from memory, or from the reader's own folder)
// before the system's library search is asked. The bytes must outlive the
// program's use of the library.
void CarryExternalLibrary(const Text& library, ByteSet bytes);

template <class... Args>
std::int32_t CallExternalLibrary(const ExternalEntry& entry, Args... args) {
    using Function = std::int32_t (*)(Args...);
    return reinterpret_cast<Function>(ResolveExternalEntry(entry))(args...);
}

// Host start-up: fixes the run directory (made the current directory) and
// brings up the window system. Called once by the start routine.
void InitHost();

// True once EndProgram or the fatal report has begun: events are then dropped.
bool ProgramEnding();

// Shows the fatal error box ("错误", "运行时出错!" ...) and ends the program
// with exit status 255.
[[noreturn]] void ReportFatalError(const Text& message, std::optional<int> code = std::nullopt);
