// CallExternalLibrary's table of loaded libraries and resolved entries.
#include <string>
#include <vector>

#include "host/host.h"
#include "host/program_end.h"
#include "host/run_directory.h"
#include "platform/platform.h"

namespace {

struct LoadedLibrary {
    Text name;
    void* handle;
};

struct CarriedLibrary {
    Text name;
    ByteSet bytes;
};

struct ResolvedEntry {
    Text library;
    Text entry;
    void* address;
};

// Touched only from the GUI thread, like every host operation.
std::vector<LoadedLibrary> libraries;
std::vector<CarriedLibrary> carried;
std::vector<ResolvedEntry> entries;

void* load_carried(const Text& name) {
    for (const CarriedLibrary& library : carried)
        if (library.name == name) return platform().load_carried_library(os_path(name), library.bytes);
    return nullptr;
}

// A name with a path is loaded from exactly there; a plain name comes from
// the run directory first, then from the program's own copy, then from the
// normal library search.
void* load(const Text& name) {
    auto open_library = [](const std::string& os_path_or_name) { return platform().load_library(os_path_or_name); };
    const bool drive = name.size() >= 2 && name[1] == ':' &&
                       ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
    if (drive || name.find('/') != Text::npos) return open_library(os_path(name));
    if (void* handle = open_library(os_path(RunDirectory() + "\\" + name))) return handle;
    if (void* handle = load_carried(name)) return handle;
    return open_library(os_path(name));
}

void* library_handle(const Text& name) {
    for (const LoadedLibrary& library : libraries)
        if (library.name == name) return library.handle;
    void* handle = load(name);
    if (handle != nullptr) libraries.push_back({name, handle});
    return handle;
}

[[noreturn]] void report_missing(const Text& library, const Text& entry) {
    if (library.empty()) ReportFatalError("无法找到指定DLL库文件中的输出命令“" + entry + "”");
    ReportFatalError("无法找到指定DLL库文件“" + library + "”中的输出命令“" + entry + "”");
}

}  // namespace

void CarryExternalLibrary(const Text& library, ByteSet bytes) {
    for (CarriedLibrary& known : carried)
        if (known.name == library) {
            known.bytes = bytes;
            return;
        }
    carried.push_back({library, bytes});
}

void* ResolveExternalEntry(const ExternalEntry& declaration) {
    const Text library = declaration.library != nullptr ? declaration.library : "";
    const Text entry = declaration.entry != nullptr ? declaration.entry : "";
    for (const ResolvedEntry& resolved : entries)
        if (resolved.library == library && resolved.entry == entry) return resolved.address;

    void* handle = library.empty() ? nullptr : library_handle(library);
    void* address = handle != nullptr && !entry.empty() ? platform().find_entry(handle, entry) : nullptr;
    if (address == nullptr) report_missing(library, entry);
    entries.push_back({library, entry, address});
    return address;
}

void release_external_libraries() {
    entries.clear();
    for (const LoadedLibrary& library : libraries) platform().release_library(library.handle);
    libraries.clear();
}
