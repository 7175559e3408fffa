#include "app/host.h"
#include "app/platform/platform.h"
#include "app/run_directory.h"

void InitHost() {
    fix_run_directory();
    platform().start_window_system();
}
