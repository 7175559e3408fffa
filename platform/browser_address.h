#pragma once
// The address as a browser is handed it, the same on every platform.
#include <string>

// The program's address (GBK bytes) as the browser is given it: every byte
// of 0x80 and above percent-encoded, and so are the characters an address
// never holds raw (control characters, DEL, space, " < > \ ^ ` { | }), which
// would otherwise end or split the argument a launcher passes on; the rest of
// ASCII ("&?#+/%=" included, the engines' own syntax) unchanged. The engines
// expect the GBK bytes of a name; a browser given the characters would send
// their UTF-8.
std::string browser_address(const std::string& gbk_address);
