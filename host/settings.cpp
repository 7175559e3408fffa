// Where the settings file is: beside the program, unless the program's folder
// is closed to it.
#include "host/settings.h"

#include "host/host.h"
#include "host/run_directory.h"
#include "platform/platform.h"

namespace {

constexpr const char* file_name = "\\搜索器设置信息1.4.ini";

Text beside_program() { return RunDirectory() + file_name; }

// Open when a file may be made in the folder, or the file there may be
// written (in place, when the folder refuses new files). A read-only file in
// a folder the program may write stays where it is, unwritten, as it always
// has: its owner made it so, and a copy that may write its own folder never
// keeps settings anywhere else.
bool beside_is_open() {
    // The folder is asked once: on Windows the answer costs a file made and
    // deleted, and a folder's permissions do not change under a running copy.
    static std::string asked;
    static bool folder_open = false;
    const std::string folder = os_path(RunDirectory());
    if (folder != asked) {
        asked = folder;
        folder_open = platform().may_create_in(folder);
    }
    const std::string beside = os_path(beside_program());
    return folder_open || (platform().path_exists(beside) && !platform().is_read_only(beside));
}

// The reader's own file; empty when the system names no folder for it.
Text readers_own() {
    const Text folder = user_settings_directory();
    return folder.empty() ? Text() : folder + file_name;
}

ByteSet bytes_of(const std::string& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

}  // namespace

Text settings_file_path() {
    if (beside_is_open()) return beside_program();
    const Text own = readers_own();
    return !own.empty() && platform().path_exists(os_path(own)) ? own : beside_program();
}

Text settings_file_for_writing() {
    if (beside_is_open()) return beside_program();
    const Text own = readers_own();
    // Nowhere to keep it: the write fails, as it would beside the program.
    if (own.empty() || !platform().make_private_directory(os_path(user_settings_directory()))) return {};
    const std::string own_path = os_path(own);
    if (!platform().path_exists(own_path)) {
        std::string defaults;
        // Never over a file another copy has just made; a file over the size
        // cap is not copied, as it would not be written back.
        const std::string beside = os_path(beside_program());
        if (platform().read_file(beside, defaults, Links::follow) == ReadResult::whole && !defaults.empty())
            platform().write_new_file(own_path, bytes_of(defaults));
    }
    return own;
}

bool settings_stored() { return FileExists(settings_file_path()); }

std::int32_t stored_skin() { return ToInteger(ReadSetting(settings_file_path(), settings_section, skin_key)); }

bool store_skin(const Text& skin) {
    return WriteSetting(settings_file_for_writing(), settings_section, skin_key, skin);
}

Text stored_book_name() { return ReadSetting(settings_file_path(), settings_section, history_key); }

bool store_book_name(const Text& name) {
    return WriteSetting(settings_file_for_writing(), settings_section, history_key, name);
}
