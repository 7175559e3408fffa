#pragma once
// Pictures decoded on a worker thread of their own, in the order they are
// asked for: a page's picture boxes ask as they are made, and the decoding
// goes on beside the making of the rest of the window, so that the pictures
// are ready, or nearly, when the boxes are first painted.
#include <future>

#include "forms/description.h"
#include "pictures/picture.h"

namespace forms::win32 {

std::future<image::Picture> decode_soon(Picture source);

}  // namespace forms::win32
