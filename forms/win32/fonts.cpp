#include "forms/win32/fonts.h"

#include <map>
#include <string>
#include <tuple>

#include "forms/presentation.h"
#include "forms/win32/dpi.h"
#include "forms/win32/wide_text.h"

namespace forms::win32 {

HFONT font_of(const Font& font, int dpi) {
    const bool system_scale = dpi == system_dpi();
    if (font.face.empty() && font.height <= 0 && font.weight == normal && !font.underline && system_scale)
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    using Key = std::tuple<std::string, int, int, bool, int>;
    static std::map<Key, HFONT> made;
    const Key key{std::string(font.face), font.weight, font.height, font.underline, font.height > 0 ? 0 : dpi};
    if (auto it = made.find(key); it != made.end()) return it->second;
    LOGFONTW description{};
    if (font.face.empty()) {
        // The system's default font, made for the system's scale.
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
        description.lfHeight = scaled(description.lfHeight, dpi, system_dpi());
    }
    // A negative height asks for the character height, not the cell's.
    if (font.height > 0) description.lfHeight = -font.height;
    description.lfWeight = font.weight;
    description.lfUnderline = font.underline;
    if (!font.face.empty()) {
        description.lfCharSet = GB2312_CHARSET;
        description.lfOutPrecision = OUT_DEFAULT_PRECIS;
        description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        description.lfQuality = DEFAULT_QUALITY;
        description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
        const std::wstring face = wide(font.face);
        face.copy(description.lfFaceName, LF_FACESIZE - 1);
    }
    HFONT handle = CreateFontIndirectW(&description);
    if (handle == nullptr) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    made.emplace(key, handle);
    return handle;
}

int character_height(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight - metrics.tmInternalLeading;
}

COLORREF colorref(Color color, COLORREF fallback) {
    if (color == system_color) return fallback;
    return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

}  // namespace forms::win32
