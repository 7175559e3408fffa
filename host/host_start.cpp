#include "host/host.h"
#include "host/run_directory.h"
#include "platform/platform.h"

void InitHost() {
    fix_run_directory();
    platform().start_window_system();
}
