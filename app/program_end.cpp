#include "app/program_end.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>

#include "app/host.h"
#include "app/platform/platform.h"

namespace {
std::atomic<bool> ending{false};
}

void begin_program_end() { ending = true; }

bool ProgramEnding() { return ending; }

void EndProgram(std::int32_t exit_code) {
    begin_program_end();
    platform().finish_opening();
    release_external_libraries();
    std::fflush(nullptr);
    // At once, as Windows' ExitProcess from inside a handler: no destructors
    // of windows or statics run behind the handler's back. -1 is status 255.
    _exit(exit_code);
}
