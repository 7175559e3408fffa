// The host's side of what the form model asks of it.
#include "forms/host_hooks.h"
#include "host/host.h"

namespace forms::host {

std::int32_t screen_width() { return ScreenWidth(); }
std::int32_t screen_height() { return ScreenHeight(); }
ScreenFacts screen_facts() {
    const std::int32_t dpi = ScreenDpi();
    return {{ScreenWidth(), ScreenHeight()}, ScreenWorkArea(), dpi, ScreenUnitDpi(), CaptionFrame(dpi)};
}
bool program_ending() { return ProgramEnding(); }
void fatal_error(const Text& message) { ReportFatalError(message); }

}  // namespace forms::host
