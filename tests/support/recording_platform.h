#pragma once
// RecordingPlatform: the outside world for tests, header-only. A
// PlatformStandIn (platform_stand_in.h) that records and fixes the desktop:
//
//   RecordingPlatform outside;          // installed at once, removed at scope end
//   run_search();                       // code under test calls OpenAddress ...
//   EXPECT_EQ(outside.opened.back(), "http://...");   // GBK, as the program sent it
//
// - Addresses handed to the browser are recorded, not opened: `opened` holds
//   them as GBK Text (compare with narrow literals).
// - The screen is `width` x `height` (1920 x 1080 unless changed); windows
//   may use `work` of it (all of it unless set); its scale is `dpi` (96
//   unless set), in units of `unit_dpi` (96: the device's pixels, as on
//   Windows); a caption frame adds `frame` (the classic frame unless set).
// - The clock reads `clock` (30 March 2013, 16:32:10 unless changed).
// - Error boxes are recorded in `error_boxes` and return at once. Each is also
//   written to stderr as one line "error box <caption hex> <text hex>\n" (the
//   GBK bytes in lower-case hex): a fatal report ends the process, so a death
//   test can only see it there, e.g.
//     EXPECT_EXIT(f(), testing::ExitedWithCode(255), error_box_line("错误", text));
//   where error_box_line() below gives the matching pattern.
// - Report boxes are recorded in `reports` and return at once; files handed
//   to the desktop's editor in `documents` (the file system's paths).
// - Libraries loaded by path are recorded in `loaded` (path, handle).
// - Everything else (files, libraries, the process) is the real platform's,
//   and `run_directory` may be set as for any stand-in.
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/platform_stand_in.h"

class RecordingPlatform : public PlatformStandIn {
public:
    struct ErrorBox {
        Text caption;
        Text message;
    };

    std::vector<Text> opened;
    int width = 1920;
    int height = 1080;
    std::optional<ScreenArea> work;
    int dpi = 96, unit_dpi = 96;
    std::optional<ScreenSize> frame;
    DateTime clock{2013, 3, 30, 16, 32, 10};
    std::vector<ErrorBox> error_boxes;
    std::vector<std::pair<std::string, void*>> loaded;
    std::vector<ErrorBox> reports;
    std::vector<std::string> documents;

    void open_in_browser(const Text& address) override { opened.push_back(address); }
    void* load_library(const std::string& path_or_name) override {
        void* library = PlatformStandIn::load_library(path_or_name);
        if (library != nullptr) loaded.emplace_back(path_or_name, library);
        return library;
    }
    int screen_width() override { return width; }
    int screen_height() override { return height; }
    ScreenArea work_area() override { return work.value_or(ScreenArea{0, 0, width, height}); }
    int screen_dpi() override { return dpi; }
    int screen_unit_dpi() override { return unit_dpi; }
    std::optional<ScreenSize> caption_frame(int) override { return frame; }
    DateTime now() override { return clock; }
    void show_error_box(const Text& caption, const Text& message) override {
        error_boxes.push_back({caption, message});
        std::string line = error_box_line(caption, message) + "\n";
        std::fputs(line.c_str(), stderr);
        std::fflush(stderr);
    }

    void show_report_box(const Text& caption, const Text& message) override { reports.push_back({caption, message}); }
    void open_document(const std::string& path) override { documents.push_back(path); }

    // The stderr line of one error box (no line break); usable as a death
    // test pattern since it holds only letters, digits and blanks.
    static std::string error_box_line(const Text& caption, const Text& message) {
        return "error box " + hex(caption) + " " + hex(message);
    }

    static std::string hex(const Text& bytes) {
        static const char digits[] = "0123456789abcdef";
        std::string out;
        for (unsigned char c : bytes) {
            out += digits[c >> 4];
            out += digits[c & 15];
        }
        return out;
    }
};
