// The engine's one entry point, as the program calls it.
#include <windows.h>

#include <new>

#include "skins/engine/she_format.h"
#include "skins/engine/windows/look.h"
#include "skins/engine/windows/skinning.h"

// Returns 1 when the skin was put in force, 0 when nothing changed: no data,
// bytes that are not a readable skin, or no memory or GDI objects for it.
// The password and the three numbers are part of the calling convention the
// program keeps; our skins are not encrypted, so they carry nothing.
extern "C" __declspec(dllexport) int WINAPI
    SkinH_AttachRes(const unsigned char* data, int size, const char* /*password*/, int, int, int) {
    if (data == nullptr || size <= 0) return 0;
    try {
        // The caller frees the bytes right after this call: read_skin copies
        // all it keeps, textures included.
        auto skin = she::read_skin(data, static_cast<std::size_t>(size));
        if (!skin) return 0;
        auto look = she::win::Look::make(std::move(*skin));
        if (!look) return 0;
        she::win::put_in_force(std::move(look));
        return 1;
    } catch (const std::bad_alloc&) { return 0; }
}

// Unloaded while the process goes on (FreeLibrary): the windows must let go
// of the engine first. At process exit nothing runs any more; nothing to do.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) she::win::withdraw();
    return TRUE;
}
