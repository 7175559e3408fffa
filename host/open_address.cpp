#include "host/host.h"
#include "platform/platform.h"

namespace {

// Opened when a caller leaves the address out: the home page of 17K小说网,
// a large site for the web novels this program is about.
constexpr const char* default_address = "https://www.17k.com/";

}  // namespace

void OpenAddress(const Text& address) {
    // The shell receives the text zero-terminated, so a zero byte ends it.
    platform().open_in_browser(Text(address.c_str()));
}

void OpenAddress() { OpenAddress(default_address); }
