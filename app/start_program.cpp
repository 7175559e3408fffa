#include "app/start_program.h"

#include "forms/model.h"
#include "host/host.h"
#include "main_window/controls.h"
#include "main_window/wiring.h"
#include "platform/platform.h"
#include "welcome_window/controls.h"
#include "welcome_window/wiring.h"

int start_program() {
    const forms::DescribedWindow windows[] = {{&welcome_window::description, welcome_window::wiring()},
                                              {&main_window::description, main_window::wiring()}};
    InitHost();
    forms::DescribeWindows(windows);
    RunStartupWindow(welcome_window::id);
    RunMessageLoop();
    platform().finish_opening();
    return 0;
}
