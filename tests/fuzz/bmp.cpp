// Any bytes through the BMP decoder: no crash, no hang, one frame of the stated size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "pictures/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture = forms::image::decode_bmp({data, size});
    if (picture.frames.size() > 1) std::abort();
    for (const auto& frame : picture.frames)
        if (frame.rgba.size() != static_cast<std::size_t>(picture.width) * picture.height * 4) std::abort();
    return 0;
}
