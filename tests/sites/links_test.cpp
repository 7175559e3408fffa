// The links as the wiring tables wire them: no control beyond the known
// links opens anything, and the chat groups join the groups their labels show.
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "main_window/wiring.h"
#include "platform/text.h"
#include "tests/main_window/layout_lookup.h"
#include "tests/search/expected_addresses.h"
#include "tests/support/recording_platform.h"
#include "welcome_window/wiring.h"

namespace {

using layout_lookup::find;
using layout_lookup::handler;
using layout_lookup::lines_of;

TEST(Links, NoOtherControlOpensAnythingWhenPressed) {
    std::set<std::pair<forms::WindowId, forms::ControlId>> links;
    for (const ExpectedLink& link : expected_links) links.emplace(link.window, link.control);
    int silent_handlers = 0;
    const std::pair<const forms::WindowDesc*, std::span<const forms::Wire>> windows[] = {
        {&main_window::description, main_window::wiring()}, {&welcome_window::description, welcome_window::wiring()}};
    for (const auto& [window, wiring] : windows)
        for (const forms::ControlDesc& control : window->controls) {
            if (links.contains({window->id, control.id})) continue;
            forms::Handler press = handler(wiring, control.id, forms::event::LeftButtonDown);
            if (!press) continue;
            SCOPED_TRACE(to_utf8(control.name));
            RecordingPlatform outside;
            EXPECT_EQ(press({3, 3, 0, 0, window->id, control.id}), std::nullopt);
            EXPECT_TRUE(outside.opened.empty());
            ++silent_handlers;
        }
    // Only the welcome window's slogan frame has a press handler that does nothing.
    EXPECT_EQ(silent_handlers, 1);
    EXPECT_NE(handler(welcome_window::wiring(), welcome_window::透明标签1, forms::event::LeftButtonDown), nullptr);
}

TEST(Links, ChatGroupsJoinTheGroupWhoseNumberTheLabelShows) {
    using namespace welcome_window;
    for (forms::ControlId label : {透明标签4, 透明标签10}) {
        std::string shown = lines_of(find(description, label)->text)[0];
        std::string number = shown.substr(shown.find_first_of("0123456789"));
        RecordingPlatform outside;
        handler(welcome_window::wiring(), label, forms::event::LeftButtonDown)({0, 0, 0, 0, id, label});
        ASSERT_EQ(outside.opened.size(), 1u);
        EXPECT_TRUE(outside.opened[0].ends_with("/gid/" + number)) << outside.opened[0];
    }
}

}  // namespace
