// The picture tests' reference codec on Linux: Qt's image readers and writers.
#include <QImage>
#include <QString>

#include <filesystem>

#include "image_test_support.h"

namespace image_test {

std::optional<Rgba> load_reference(const std::filesystem::path& path) {
    QImage image(QString::fromStdString(path.string()));  // the suites' names are ASCII
    if (image.isNull()) return std::nullopt;
    image = image.convertToFormat(QImage::Format_RGBA8888);
    Rgba out{image.width(), image.height(), {}};
    out.pixels.reserve(static_cast<std::size_t>(out.width) * out.height * 4);
    for (int y = 0; y < out.height; ++y) {
        const auto* row = image.constScanLine(y);
        out.pixels.insert(out.pixels.end(), row, row + out.width * 4);
    }
    return out;
}

Bytes encode_jpeg(const Rgba& picture, bool grey, int quality) {
    QImage image(picture.pixels.data(), picture.width, picture.height, picture.width * 4, QImage::Format_RGBA8888);
    image = image.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    const auto path = std::filesystem::temp_directory_path() / "yz-image-test.jpg";
    if (!image.save(QString::fromStdString(path.string()), "JPEG", quality)) return {};
    Bytes bytes = read_file(path);
    std::filesystem::remove(path);
    return bytes;
}

}  // namespace image_test
