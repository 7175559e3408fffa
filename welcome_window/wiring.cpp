// The welcome window's wiring, in the order of its layout.
#include "welcome_window/wiring.h"

#include "sites/links.h"
#include "welcome_window/controls.h"
#include "welcome_window/flow.h"

namespace welcome_window {
namespace {

using namespace forms;

constexpr Wire wires[] = {
    {窗口, event::Created, call<on_welcome_created>},
    {时钟1, event::Tick, call<advance_welcome_progress>, own_controls_only},
    {按钮1, event::Click, call<enter_main_window>},
    {标签1, event::LeftButtonDown, call<sites::open_video_tutorial>},
    {透明标签1, event::LeftButtonDown, do_nothing},
    {透明标签4, event::LeftButtonDown, call<sites::join_software_group>},
    {透明标签10, event::LeftButtonDown, call<sites::join_novel_group>},
};

}  // namespace

std::span<const Wire> wiring() { return wires; }

}  // namespace welcome_window
