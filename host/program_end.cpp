#include "host/program_end.h"

#include <atomic>
#include <cstdlib>

#include "host/host.h"
#include "platform/platform.h"

namespace {
std::atomic<bool> ending{false};
}

void begin_program_end() { ending = true; }

bool ProgramEnding() { return ending; }

void EndProgram(std::int32_t exit_code) {
    begin_program_end();
    platform().finish_opening();
    release_external_libraries();
    // At once, as Windows' ExitProcess from inside a handler: no destructors
    // of windows or statics run behind the handler's back.
    platform().end_process(exit_code);
    std::abort();  // not reached: the compiler cannot see that a virtual call never returns
}
