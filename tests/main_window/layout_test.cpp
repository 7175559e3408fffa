// The two layouts as a whole: every control once, parents before children,
// pages that exist, and the conventions the pages rely on (logos and covers
// framed, stretched and pressable).
#include <algorithm>
#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include "main_window/content.h"
#include "main_window/controls.h"
#include "main_window/wiring.h"
#include "platform/text.h"
#include "sites/books.h"
#include "sites/links.h"
#include "sites/sites.h"
#include "tests/main_window/layout_lookup.h"
#include "welcome_window/controls.h"
#include "welcome_window/wiring.h"

namespace {

using forms::Kind;
using layout_lookup::find;
using layout_lookup::handler;
using layout_lookup::wired;

struct WindowCase {
    const forms::WindowDesc* window;
    forms::ControlId first, last;  // the window's control identifiers
};

const WindowCase windows[] = {
    {&main_window::description, main_window::组合框1, main_window::透明标签24},
    {&welcome_window::description, welcome_window::图片框1, welcome_window::图片框2},
};

TEST(Layouts, HoldEveryControlOnceWithParentsBuiltFirst) {
    for (const WindowCase& w : windows) {
        SCOPED_TRACE(to_utf8(w.window->name));
        std::set<forms::ControlId> built;
        std::set<std::string_view> names;
        for (const forms::ControlDesc& c : w.window->controls) {
            SCOPED_TRACE(to_utf8(c.name));
            EXPECT_TRUE(built.insert(c.id).second) << "built twice";
            EXPECT_TRUE(names.insert(c.name).second) << "name used twice";
            EXPECT_NE(c.id, w.window->self);
            if (c.parent == 0) {
                EXPECT_EQ(c.page, -1);
                continue;
            }
            const forms::ControlDesc* parent = find(*w.window, c.parent);
            ASSERT_NE(parent, nullptr);
            EXPECT_TRUE(built.contains(c.parent)) << "child listed before its parent";
            if (parent->kind == Kind::Tab) {
                EXPECT_GE(c.page, 0);
                EXPECT_LT(c.page, static_cast<int>(parent->items.size()));
            } else {
                EXPECT_EQ(parent->kind, Kind::GroupBox);
                EXPECT_EQ(c.page, -1);
            }
        }
        for (forms::ControlId id = w.first; id <= w.last; ++id) EXPECT_TRUE(built.contains(id)) << id;
        EXPECT_EQ(built.size(), static_cast<std::size_t>(w.last - w.first + 1));
    }
}

TEST(Layouts, PictureBoxesStretchAndAnimateTheirPictures) {
    for (const WindowCase& w : windows)
        for (const forms::ControlDesc& c : w.window->controls) {
            if (c.kind != Kind::PicBox) continue;
            SCOPED_TRACE(to_utf8(c.name));
            EXPECT_NE(c.picture, nullptr);
            EXPECT_EQ(c.display_mode, forms::DisplayMode::Stretched);
            EXPECT_TRUE(c.animate);
            if (w.window == &main_window::description) { EXPECT_EQ(c.cursor, forms::Cursor::Hand); }
        }
}

TEST(SiteDirectory, EveryLogoIsAFramedPressablePictureOnItsGridCell) {
    using namespace main_window;
    const forms::WindowDesc& window = description;
    ASSERT_EQ(sites::sites().size(), std::size(site_logos));
    std::set<std::tuple<int, int, int>> cells;
    int per_page[2] = {0, 0};
    for (int row = 0; row < int(std::size(site_logos)); ++row) {
        const sites::Site& site = sites::sites()[row];
        const forms::ControlDesc* logo = find(window, site_logos[row]);
        ASSERT_NE(logo, nullptr) << site_logos[row];
        SCOPED_TRACE(to_utf8(logo->name));
        EXPECT_EQ(logo->kind, Kind::PicBox);
        EXPECT_EQ(logo->parent, 选择夹3);
        ASSERT_TRUE(logo->page == 0 || logo->page == 1);
        ++per_page[logo->page];
        EXPECT_EQ(logo->border, forms::Border::Raised);
        EXPECT_EQ(logo->picture, site.picture);
        EXPECT_TRUE(logo->geometry.left == 16 || logo->geometry.left == 160);
        EXPECT_EQ((logo->geometry.top - 30) % 50, 0);
        EXPECT_TRUE(logo->geometry.top >= 30 && logo->geometry.top <= 330);
        EXPECT_TRUE(cells.emplace(logo->page, logo->geometry.left, logo->geometry.top).second) << "cell taken twice";
        EXPECT_EQ(handler(main_window::wiring(), site_logos[row], forms::event::LeftButtonDown), &sites::open_site);
        EXPECT_FALSE(site.host.empty());
    }
    EXPECT_EQ(per_page[0], 14);
    EXPECT_EQ(per_page[1], 14);
    EXPECT_EQ(find(window, 图片框36)->picture, find(window, 图片框3)->picture);
}

TEST(Recommendations, EachBookIsAGroupWithItsCoverAndBlurbOnItsGenrePage) {
    using namespace main_window;
    const forms::WindowDesc& window = description;
    ASSERT_EQ(sites::books().size(), std::size(book_controls));
    std::set<std::pair<int, int>> slots;
    std::set<forms::Picture> pictures_shown;
    for (int row = 0; row < int(std::size(book_controls)); ++row) {
        const sites::Book& book = sites::books()[row];
        const BookControls& controls = book_controls[row];
        const forms::ControlDesc* group = find(window, controls.group);
        const forms::ControlDesc* cover = find(window, controls.cover);
        const forms::ControlDesc* blurb = find(window, controls.blurb);
        ASSERT_TRUE(group && cover && blurb);
        SCOPED_TRACE(to_utf8(group->text));
        EXPECT_TRUE(slots.emplace(book.page, book.slot).second);
        EXPECT_EQ(group->kind, Kind::GroupBox);
        EXPECT_EQ(group->parent, 选择夹4);
        EXPECT_EQ(group->page, book.page);
        EXPECT_EQ(group->geometry.top, 8 + 128 * book.slot);
        EXPECT_EQ(group->cursor, forms::Cursor::Hand);
        EXPECT_FALSE(wired(main_window::wiring(), controls.group));
        EXPECT_EQ(cover->parent, controls.group);
        EXPECT_EQ(cover->border, forms::Border::Line);
        EXPECT_EQ(cover->picture, book.picture);
        EXPECT_TRUE(pictures_shown.insert(cover->picture).second) << "cover shown twice";
        EXPECT_EQ(handler(main_window::wiring(), controls.cover, forms::event::LeftButtonDown), &sites::open_book);
        EXPECT_EQ(blurb->kind, Kind::TransLabel);
        EXPECT_EQ(blurb->parent, controls.group);
        EXPECT_EQ(blurb->text, book.blurb);
        EXPECT_FALSE(wired(main_window::wiring(), controls.blurb));
    }
}

}  // namespace
