// A library the program carries, put where the loader can take it when the
// program's own folder takes no file.
#include "platform/windows/files.h"

namespace windows_files {

std::string carried_library_file(const std::string& folder, const std::string& name, ByteSet bytes) {
    if (folder.empty() || !make_private_directory(folder)) return {};
    const std::string path = folder + "\\" + name;
    const std::string_view wanted(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    // Twice: a second copy of the program starting at the same moment may
    // write the same file between our look and our write.
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::string there;
        const ReadResult found = read_file(path, there, Links::refuse);
        if (found == ReadResult::whole && there == wanted) return path;
        // An older version's engine is replaced; nothing but a file is.
        if (found == ReadResult::whole || found == ReadResult::cut) return replace_file(path, wanted) ? path : "";
        if (found != ReadResult::missing) return {};
        if (write_new_file(path, bytes)) return path;
    }
    return {};
}

}  // namespace windows_files
