#include <vector>

#include "host/host.h"
#include "skins/catalogue.h"
#include "skins/skins.h"

void apply_skin(std::int32_t skin_number) {
    deploy_skin_engine();
    // The engine gets a copy that lives only for the call: it must take what
    // it needs before it returns, and nothing it does can touch the catalogue.
    const ByteSet skin = catalogue_skin(skin_number);
    std::vector<std::uint8_t> copy(skin.begin(), skin.end());
    const std::int32_t size = ByteSetLength(copy);
    const unsigned char* data = copy.empty() ? nullptr : copy.data();
    CallExternalLibrary(ExternalEntry{"SkinH_EL.dll", "SkinH_AttachRes"}, data, size, "", 0, 0, 0);
}
