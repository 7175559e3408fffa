// The engine's one entry point, as the program calls it.
#include <QApplication>

#include "skins/engine/she_format.h"
#include "skins/engine/skin_look.h"

// Returns 1 when the skin was put in force, 0 when nothing changed: no data,
// bytes that are not a readable skin, or no application to restyle. The
// password and the three numbers are part of the calling convention the
// program keeps; our skins are not encrypted, so they carry nothing.
extern "C" __attribute__((visibility("default"))) int SkinH_AttachRes(const unsigned char* data, int size,
                                                                      const char* /*password*/, int, int, int) {
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (data == nullptr || size <= 0 || application == nullptr) return 0;
    // The caller frees the bytes right after this call: read_skin copies all
    // it keeps, textures included.
    const auto skin = she::read_skin(data, static_cast<std::size_t>(size));
    if (!skin) return 0;
    // Palette first: the style sheet is applied last, and its polish pass
    // repaints every existing window with both in place. Qt restyles every
    // widget again even for the look already in force (a stored skin that is
    // chosen once more), so an unchanged part is not handed over.
    const QPalette palette = she::palette_for(*skin);
    if (QApplication::palette() != palette) application->setPalette(palette);
    const QString sheet = she::style_sheet_for(*skin);
    if (application->styleSheet() != sheet) application->setStyleSheet(sheet);
    return 1;
}
