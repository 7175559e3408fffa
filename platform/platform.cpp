#include "platform/platform.h"

namespace {
Platform* installed = nullptr;
}

Platform& platform() { return installed != nullptr ? *installed : native_platform(); }

Platform* install_platform(Platform* replacement) {
    Platform* previous = installed;
    installed = replacement;
    return previous;
}
