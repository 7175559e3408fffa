#include "app/start_program.h"

#include "app/host.h"
#include "app/platform/platform.h"
#include "app/wiring.h"
#include "forms/main_window/main_window.h"
#include "forms/model.h"
#include "forms/welcome_window/welcome_window.h"

int start_program() {
    const forms::DescribedWindow windows[] = {{&welcome_window::description, welcome_window_wiring()},
                                              {&main_window::description, main_window_wiring()}};
    InitHost();
    forms::DescribeWindows(windows);
    RunStartupWindow(welcome_window::id);
    RunMessageLoop();
    platform().finish_opening();
    return 0;
}
