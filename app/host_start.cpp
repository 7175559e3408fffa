#include "app/host.h"
#include "app/platform/linux/application.h"
#include "app/run_directory.h"

void InitHost() {
    fix_run_directory();
    ensure_application();
}
