#include "forms/win32/vertical_titles.h"

#include <commctrl.h>

#include <map>

namespace forms::win32 {

namespace {

// The tab control's font turned to run top to bottom: a vertical face then
// stands its characters upright.
HFONT turned(HFONT font) {
    static std::map<HFONT, HFONT> made;
    auto [it, fresh] = made.emplace(font, nullptr);
    if (fresh) {
        LOGFONTW description{};
        GetObjectW(font, sizeof description, &description);
        description.lfEscapement = description.lfOrientation = 2700;
        it->second = CreateFontIndirectW(&description);
    }
    return it->second;
}

}  // namespace

void draw_vertical_title(const DRAWITEMSTRUCT& item) {
    wchar_t title[128] = {};
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = title;
    tab.cchTextMax = 128;
    if (!SendMessageW(item.hwndItem, TCM_GETITEMW, item.itemID, LPARAM(&tab)) || title[0] == 0) return;
    const int length = lstrlenW(title);
    HDC dc = item.hDC;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE run{};
    GetTextExtentPoint32W(dc, title, length, &run);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, turned(font));
    // Turned a quarter clockwise, the cell's top lies on the right of the
    // reference point and the text runs down from it.
    const RECT& r = item.rcItem;
    const int x = (r.left + r.right + metrics.tmHeight) / 2;
    const int y = (r.top + r.bottom - run.cx) / 2;
    const UINT align = SetTextAlign(dc, TA_TOP | TA_LEFT);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(item.hwndItem) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    ExtTextOutW(dc, x, y, 0, nullptr, title, UINT(length), nullptr);
    SetTextAlign(dc, align);
    SelectObject(dc, old);
}

}  // namespace forms::win32
