#pragma once
// The one seam between the program and the machine it runs on: every call to
// the operating system goes through here (and the code page conversions
// through code_page.h). platform/linux/ answers it in the Linux build,
// platform/windows/ in the Windows build. The host operations turn the
// program's path texts into the file system's own paths (os_path) before they
// ask. Tests install a platform of their own (tests/support/) that records
// addresses, fixes the screen, the clock and the run directory, and passes
// everything else on. No Qt or POSIX type crosses this header.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/text.h"

// The largest file read, and the largest a write may leave. The settings
// file the program writes holds two items and stays far below it even with a
// name of tens of kilobytes; the cap keeps a huge or endless file (a link to
// /dev/zero) from costing a long freeze and all memory on every access.
inline constexpr std::size_t max_file_size = std::size_t{1} << 20;

// Whether a file may be reached through a symbolic link (a reparse point on
// Windows). Files in the reader's own settings folder never are: a link
// there could lead a write into any file of the reader's.
enum class Links { follow, refuse };

enum class ReadResult {
    whole,       // every byte of the file
    cut,         // the first max_file_size bytes of a longer file
    missing,     // no such file
    unreadable,  // no access, or not a regular file (FIFO, device, directory)
};

// Something held until it is destroyed, such as a lock.
class Held {
public:
    virtual ~Held() = default;
};

class Platform {
public:
    virtual ~Platform() = default;

    // The window system and the desktop.

    // Brings up the window system for the process, once, after cutting the
    // process's PATH to its absolute entries (search_path.h). Without a
    // display the process ends with status 1 and one line on stderr naming it.
    virtual void start_window_system() = 0;
    // Hands the program's address (GBK) to the desktop's default handler;
    // returns at once.
    virtual void open_in_browser(const Text& address) = 0;
    // Waits, briefly, until every address handed over has gone out: called as
    // the program ends, so that its last search is not lost.
    virtual void finish_opening() = 0;
    virtual int screen_width() = 0;
    virtual int screen_height() = 0;
    // The primary screen's area left to windows; the whole screen unless known.
    virtual ScreenArea work_area() { return {0, 0, screen_width(), screen_height()}; }
    // The primary screen's scale in dots per inch (96 at 100 %), and the
    // scale at which one unit of screen_width() and work_area() is one pixel
    // of a layout: 96 where they count the device's pixels (a program that
    // scales its windows itself), the screen's own where the toolkit scales.
    virtual int screen_dpi() { return 96; }
    virtual int screen_unit_dpi() { return 96; }
    // What the system's frame of a captioned window adds to its client
    // area's width and height at a scale, in the units of screen_width();
    // none where the frame is not known before the window shows.
    virtual std::optional<ScreenSize> caption_frame(int /*dpi*/) { return std::nullopt; }
    virtual DateTime now() = 0;
    // Shows a modal error box; returns when the reader has closed it.
    virtual void show_error_box(const Text& caption, const Text& message) = 0;
    // Shows a modal box of information with an OK button over the active
    // window; returns when the reader has closed it.
    virtual void show_report_box(const Text& caption, const Text& message) = 0;
    // Opens a file with the desktop's default application for its type (a
    // text editor for an .ini file); returns at once.
    virtual void open_document(const std::string& path) = 0;
    // Writes one line (the program's text) on standard error, as UTF-8.
    virtual void note_on_console(const Text& line);

    // The process.

    // The directory that holds the program file, as the file system names it:
    // an absolute path, or empty when the system cannot say.
    virtual std::string program_directory() = 0;
    // Makes the directory the current one, when it can be.
    virtual void change_directory(const std::string& path) = 0;
    // The reader's own folder for the program's settings, whether or not it
    // exists yet: $XDG_CONFIG_HOME/yanzhou-search (~/.config/yanzhou-search)
    // on Linux, %APPDATA%\砚舟小说搜索器 on Windows. Empty when the system
    // names no such place.
    virtual std::string user_settings_directory() = 0;
    // Ends the process at once with the exit code (-1 is status 255): output
    // is flushed, no destructor of a window or static runs.
    [[noreturn]] virtual void end_process(int exit_code) = 0;

    // Files. Paths are the file system's own.

    // Whether the entry exists: a file, a directory, even a link that leads nowhere.
    virtual bool path_exists(const std::string& path) = 0;
    // Whether the directory holds an entry whose name `matches`.
    virtual bool any_entry(const std::string& directory, const std::function<bool(std::string_view)>& matches) = 0;
    // True when the file exists and nobody may write it: no write permission
    // at all (which even root respects here, as Windows does for its
    // read-only attribute), or no write access for this process.
    virtual bool is_read_only(const std::string& path) = 0;
    // Whether this process may make a new file in the directory, by the
    // system's own rules (its permissions and access lists, a read-only
    // mount or drive); false for a directory that does not exist.
    virtual bool may_create_in(const std::string& directory) = 0;
    // Makes the directory, and any missing folder above it, open to this
    // user alone (0700 on Linux; on Windows each inherits its parent's access
    // list). True when a directory is there afterwards that is_private_directory.
    virtual bool make_private_directory(const std::string& path) = 0;
    // Whether the directory is this user's alone: on Linux owned by this user
    // with no permission for group or others, and no link but one of this
    // user's own; on Windows a directory that is no reparse point.
    virtual bool is_private_directory(const std::string& path) = 0;
    // Creates or empties the file and writes the parts one after another.
    virtual bool write_file(const std::string& path, std::span<const ByteSet> parts) = 0;
    // Writes a new file at path unless something already exists there, never
    // replacing it. The bytes go to a temporary file ".NAME.PID.N.part" (the
    // writer's process number, a random N) first, created exclusively (never
    // through a link someone left under that name), flushed to disk and moved
    // into place whole, so a full disk or a crash never leaves a truncated
    // file under the real name. Every call first removes the parts of writers
    // that have gone (temporary_names.h). True when path now holds exactly the
    // bytes.
    virtual bool write_new_file(const std::string& path, ByteSet bytes) = 0;
    // Sets the Windows attributes read-only (0x1), hidden (0x2), system (0x4)
    // and archive (0x20) of an existing file or directory.
    virtual bool set_attributes(const std::string& path, std::int32_t attributes) = 0;

    // Reads a regular file up to max_file_size, following a symbolic link
    // unless refused (a link then reads as unreadable). Never waits for a
    // writer (a FIFO); anything but a regular file is refused before a byte
    // is read.
    virtual ReadResult read_file(const std::string& path, std::string& bytes, Links links) = 0;
    // What a write to path may replace: the path itself when it is a regular
    // file or does not exist, the end of a symbolic link (the link then stays)
    // when that is a regular file and links are followed; nullopt for
    // anything else.
    virtual std::optional<std::string> write_target(const std::string& path, Links links) = 0;
    // Replaces a write_target's content so that a crash or a full disk leaves
    // either the old file or the new one, keeping its permissions and
    // attributes. Where the directory refuses a new file but the file may be
    // written, the bytes go into the file itself, room reserved first. False
    // when anything fails; the original is then untouched.
    virtual bool replace_file(const std::string& path, std::string_view bytes) = 0;
    // Serialises read-modify-write cycles on the files of the file's directory
    // across processes while the result is held. The wait is bounded (a
    // quarter of a second): nullptr when another process keeps the lock
    // longer, and the caller then skips its write, as a write to a locked
    // file fails on Windows; a lock that cannot be taken at all (a directory
    // that cannot be opened) is held as nothing.
    virtual std::unique_ptr<Held> lock_directory_of(const std::string& path) = 0;

    // Libraries.

    // Loads a library: a name with a path (which may start with a drive
    // letter) from exactly there, after checking that the file is a whole
    // library for this machine, and never from bytes that changed after the
    // check (Linux loads a sealed copy read once; Windows keeps a mapped
    // library's file from being written); a bare name through the system's
    // library search. nullptr when it cannot be loaded.
    virtual void* load_library(const std::string& path_or_name) = 0;
    // Loads a library the program carries in itself, for when no file of it
    // can be written beside the program: Linux from a sealed memory file of
    // the bytes; Windows from the file `name` in the reader's own local folder
    // (%LOCALAPPDATA%\砚舟小说搜索器, else the settings folder), written there
    // when it is missing or holds other bytes. nullptr when it cannot be loaded.
    virtual void* load_carried_library(const std::string& name, ByteSet bytes) = 0;
    // The address of an entry of a loaded library; nullptr when it has none.
    virtual void* find_entry(void* library, const std::string& name) = 0;
    virtual void release_library(void* library) = 0;
};

// The platform in force: the native one unless a test installed another.
Platform& platform();
// Installs a platform (nullptr restores the native one) and returns the one
// it replaces (nullptr for the native one). Not owned.
Platform* install_platform(Platform* replacement);
// The machine's own platform, defined by the platform folder the program is
// built with (platform/linux/ or platform/windows/).
Platform& native_platform();
