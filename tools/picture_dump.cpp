// picture-dump FILE OUTDIR: decodes one picture with the program's own
// decoders and writes each frame as a PAM file (frame-0.pam, frame-1.pam, ...),
// so that what the picture boxes would show can be looked at and compared.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pictures/picture.h"

namespace {

bool write_pam(const std::filesystem::path& path, int width, int height, const std::vector<std::uint8_t>& rgba) {
    std::ofstream out(path, std::ios::binary);
    out << "P7\nWIDTH " << width << "\nHEIGHT " << height << "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    out.write(reinterpret_cast<const char*>(rgba.data()), static_cast<std::streamsize>(rgba.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: picture-dump FILE OUTDIR\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "picture-dump: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
    const auto picture = forms::image::decode_picture(bytes);
    if (picture.empty()) {
        std::fprintf(stderr, "picture-dump: cannot decode %s\n", argv[1]);
        return 1;
    }
    const std::filesystem::path dir = argv[2];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    for (std::size_t i = 0; i < picture.frames.size(); ++i) {
        const std::string name = "frame-" + std::to_string(i) + ".pam";
        if (!write_pam(dir / name, picture.width, picture.height, picture.frames[i].rgba)) {
            std::fprintf(stderr, "picture-dump: cannot write %s\n", (dir / name).c_str());
            return 1;
        }
        std::printf("%s %d ms\n", name.c_str(), picture.frames[i].delay_ms);
    }
    return 0;
}
