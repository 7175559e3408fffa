#include "platform/platform.h"

#include <cstdio>

namespace {
Platform* installed = nullptr;
}

Platform& platform() { return installed != nullptr ? *installed : native_platform(); }

Platform* install_platform(Platform* replacement) {
    Platform* previous = installed;
    installed = replacement;
    return previous;
}

void Platform::note_on_console(const Text& line) {
    const std::string utf8 = to_utf8(line) + "\n";
    std::fputs(utf8.c_str(), stderr);
    std::fflush(stderr);
}
