#include "app/host.h"
#include "skin_engine_image.h"
#include "skins/engine_file.h"
#include "skins/skins.h"

// Whatever already carries the engine's name is used as it is. A fresh copy
// is written under a temporary name first: a write cut short (a full disk)
// must not leave a truncated engine behind, since an existing file is never
// replaced and every later start would fail to load it.
void deploy_skin_engine() {
    const Text path = RunDirectory() + "\\SkinH_EL.dll";
    if (FileExists(path)) return;
    const Text partial = path + ".part";
    if (!WriteBytesToFile(partial, {skin_engine::SkinH_EL}) || !move_into_place(partial, path)) {
        remove_file(partial);
        return;
    }
    ChangeFileAttributes(path, 2);
}
