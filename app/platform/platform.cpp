#include "app/platform/platform.h"

#include <ctime>

#include "app/platform/application.h"
#include "app/platform/error_box.h"
#include "app/platform/launch_worker.h"

namespace {

class LinuxPlatform final : public Platform {
public:
    void open_in_browser(const Text& address) override { hand_to_launcher(address); }
    void finish_opening() override { wait_for_launches(std::chrono::seconds(5)); }
    int screen_width() override { return primary_screen_width(); }
    int screen_height() override { return primary_screen_height(); }
    ScreenArea work_area() override { return primary_screen_work_area(); }
    DateTime now() override {
        std::time_t seconds = std::time(nullptr);
        std::tm local{};
        localtime_r(&seconds, &local);
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
    }
    void show_error_box(const Text& caption, const Text& message) override { show_critical_box(caption, message); }
};

LinuxPlatform linux_platform;
Platform* installed = nullptr;

}  // namespace

Platform& platform() { return installed != nullptr ? *installed : linux_platform; }

void install_platform(Platform* replacement) { installed = replacement; }
