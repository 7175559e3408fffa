#include "host/host.h"
#include "host/new_file.h"
#include "skin_engine_image.h"
#include "skins/skins.h"

// Whatever already carries the engine's name is used as it is; the loader
// refuses it with the fatal report when it is no whole library. Every start
// asks, so that the partial files of killed first starts are removed. A
// folder that takes no file (a copy for every user, a read-only medium) still
// gets its skins: the engine then comes from the program's own copy.
void deploy_skin_engine() {
    const Text path = RunDirectory() + "\\SkinH_EL.dll";
    if (write_new_file(path, {skin_engine::SkinH_EL}))
        ChangeFileAttributes(path, 2);
    else if (!FileExists(path))
        CarryExternalLibrary("SkinH_EL.dll", {skin_engine::SkinH_EL});
}
