#include "forms/win32/fonts.h"

#include <map>
#include <string>
#include <tuple>

#include "forms/presentation.h"
#include "forms/win32/dpi.h"
#include "forms/win32/wide_text.h"

namespace forms::win32 {

namespace {

// How far a Chinese character moves the pen.
int advance(HFONT font) {
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, L"\u4E2D", 1, &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

// A face's strikes need not grow in step with the height (the 15-pixel one
// of a Ming face may be 16 pixels wide): at a scale, the font is the largest
// up to the scaled height whose characters grow no faster than the layout,
// so that wrapped text takes as many lines as at 100 %.
HFONT made_at_scale(LOGFONTW description, int dpi) {
    HFONT font = CreateFontIndirectW(&description);
    if (font == nullptr || dpi == unscaled_dpi) return font;
    const int sign = description.lfHeight < 0 ? -1 : 1;
    LOGFONTW at_100 = description;
    at_100.lfHeight = scaled(description.lfHeight, unscaled_dpi, dpi);
    HFONT reference = CreateFontIndirectW(&at_100);
    if (reference == nullptr) return font;
    const int most = scaled(advance(reference), dpi);
    DeleteObject(reference);
    while (advance(font) > most && sign * description.lfHeight > sign * at_100.lfHeight) {
        description.lfHeight -= sign;
        DeleteObject(font);
        font = CreateFontIndirectW(&description);
        if (font == nullptr) return nullptr;
    }
    return font;
}

}  // namespace

HFONT font_of(const Font& font, int dpi) {
    const bool unscaled = dpi == unscaled_dpi && system_dpi() == unscaled_dpi;
    if (font.face.empty() && font.height <= 0 && font.weight == normal && !font.underline && unscaled)
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    using Key = std::tuple<std::string, int, int, bool, int>;
    static std::map<Key, HFONT> made;
    const Key key{std::string(font.face), font.weight, font.height, font.underline, dpi};
    if (auto it = made.find(key); it != made.end()) return it->second;
    LOGFONTW description{};
    if (font.face.empty()) {
        // The system's default font, made for the system's scale.
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
        description.lfHeight = default_font_height(description.lfHeight, system_dpi(), dpi);
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
    HFONT handle = made_at_scale(description, dpi);
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
