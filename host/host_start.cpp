#include "host/host.h"
#include "host/run_directory.h"
#include "platform/platform.h"

void InitHost() {
    const bool run_directory_known = fix_run_directory();
    platform().start_window_system();
    if (!run_directory_known) ReportFatalError("无法确定程序所在的目录");
}
