// The welcome window's wiring, in the order of its layout.
#include "app/window_flow.h"
#include "app/wiring.h"
#include "directory/links.h"
#include "forms/welcome_window/welcome_window.h"

namespace {

using namespace forms;
using namespace welcome_window;

constexpr Wire wires[] = {
    {窗口, event::Created, call<on_welcome_created>},
    {时钟1, event::Tick, call<advance_welcome_progress>, own_controls_only},
    {按钮1, event::Click, call<enter_main_window>},
    {标签1, event::LeftButtonDown, call<directory::open_video_tutorial>},
    {透明标签1, event::LeftButtonDown, do_nothing},
    {透明标签4, event::LeftButtonDown, call<directory::join_software_group>},
    {透明标签10, event::LeftButtonDown, call<directory::join_novel_group>},
};

}  // namespace

std::span<const Wire> welcome_window_wiring() { return wires; }
