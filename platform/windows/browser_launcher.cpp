// The Windows shell opens the address with the reader's default browser. It
// is given exactly the address the program built: the shell itself opens a
// bare host ("www.example.com") the way the program expects.
#include "platform/browser_address.h"
#include "platform/launch_worker.h"
#include "platform/windows/shell_open.h"

void launch_browser(const std::string& gbk_address) {
    // Percent-encoded, the address is plain ASCII.
    const std::string ascii = browser_address(gbk_address);
    shell_open(std::wstring(ascii.begin(), ascii.end()), "an address of " + std::to_string(ascii.size()) + " bytes");
}
