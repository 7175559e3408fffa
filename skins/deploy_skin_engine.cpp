#include "host/host.h"
#include "host/new_file.h"
#include "skin_engine_image.h"
#include "skins/skins.h"

// Whatever already carries the engine's name is used as it is; the loader
// refuses it with the fatal report when it is no whole library. Every start
// asks, so that the partial files of killed first starts are removed.
void deploy_skin_engine() {
    const Text path = RunDirectory() + "\\SkinH_EL.dll";
    if (write_new_file(path, {skin_engine::SkinH_EL})) ChangeFileAttributes(path, 2);
}
