#pragma once
// PlatformStandIn: the outside world for tests, header-only. While it lives
// it is the platform in force; it passes every call on to the platform it
// replaced, except the run directory when a test sets one:
//
//   PlatformStandIn outside;
//   outside.run_directory = folder;   // RunDirectory() is now that folder (UTF-8)
//
// A test that replaces more derives from it (RecordingPlatform does). Stand-ins
// nest: each puts back the platform it replaced when it goes.
#include <string>

#include "platform/platform.h"

class PlatformStandIn : public Platform {
public:
    // The program's directory as the test sets it; empty for the real one.
    std::string run_directory;

    PlatformStandIn() : next_(platform()), replaced_(install_platform(this)) {}
    ~PlatformStandIn() override { install_platform(replaced_); }
    PlatformStandIn(const PlatformStandIn&) = delete;
    PlatformStandIn& operator=(const PlatformStandIn&) = delete;

    std::string program_directory() override {
        return run_directory.empty() ? next_.program_directory() : run_directory;
    }

    void start_window_system() override { next_.start_window_system(); }
    void open_in_browser(const Text& address) override { next_.open_in_browser(address); }
    void finish_opening() override { next_.finish_opening(); }
    int screen_width() override { return next_.screen_width(); }
    int screen_height() override { return next_.screen_height(); }
    ScreenArea work_area() override { return next_.work_area(); }
    int screen_dpi() override { return next_.screen_dpi(); }
    int screen_unit_dpi() override { return next_.screen_unit_dpi(); }
    std::optional<ScreenSize> caption_frame(int dpi) override { return next_.caption_frame(dpi); }
    DateTime now() override { return next_.now(); }
    void show_error_box(const Text& caption, const Text& message) override { next_.show_error_box(caption, message); }
    void show_report_box(const Text& caption, const Text& message) override { next_.show_report_box(caption, message); }
    void open_document(const std::string& path) override { next_.open_document(path); }
    void note_on_console(const Text& line) override { next_.note_on_console(line); }
    std::string user_settings_directory() override { return next_.user_settings_directory(); }
    void change_directory(const std::string& path) override { next_.change_directory(path); }
    void end_process(int exit_code) override { next_.end_process(exit_code); }
    bool path_exists(const std::string& path) override { return next_.path_exists(path); }
    bool any_entry(const std::string& directory, const std::function<bool(std::string_view)>& matches) override {
        return next_.any_entry(directory, matches);
    }
    bool is_read_only(const std::string& path) override { return next_.is_read_only(path); }
    bool may_create_in(const std::string& directory) override { return next_.may_create_in(directory); }
    bool make_private_directory(const std::string& path) override { return next_.make_private_directory(path); }
    bool is_private_directory(const std::string& path) override { return next_.is_private_directory(path); }
    bool write_file(const std::string& path, std::span<const ByteSet> parts) override {
        return next_.write_file(path, parts);
    }
    bool write_new_file(const std::string& path, ByteSet bytes) override { return next_.write_new_file(path, bytes); }
    bool set_attributes(const std::string& path, std::int32_t attributes) override {
        return next_.set_attributes(path, attributes);
    }
    ReadResult read_file(const std::string& path, std::string& bytes, Links links) override {
        return next_.read_file(path, bytes, links);
    }
    std::optional<std::string> write_target(const std::string& path, Links links) override {
        return next_.write_target(path, links);
    }
    bool replace_file(const std::string& path, std::string_view bytes) override {
        return next_.replace_file(path, bytes);
    }
    std::unique_ptr<Held> lock_directory_of(const std::string& path) override { return next_.lock_directory_of(path); }
    void* load_library(const std::string& path_or_name) override { return next_.load_library(path_or_name); }
    void* load_carried_library(const std::string& name, ByteSet bytes) override {
        return next_.load_carried_library(name, bytes);
    }
    void* find_entry(void* library, const std::string& name) override { return next_.find_entry(library, name); }
    void release_library(void* library) override { next_.release_library(library); }

protected:
    Platform& next_;

private:
    Platform* replaced_;
};
