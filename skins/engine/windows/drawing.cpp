#include "skins/engine/windows/drawing.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace she::win {
namespace {

class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
    ~SavedDc() { RestoreDC(dc_, id_); }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int id_;
};

void fill(HDC dc, const RECT& r, COLORREF c) {
    SetDCBrushColor(dc, c);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

BYTE mix(BYTE top, BYTE bottom, int at, int span) {
    return span <= 0 ? top : static_cast<BYTE>(top + (int(bottom) - int(top)) * at / span);
}

// A face: the skin's vertical gradient for the target where it has one, else
// the role's plain colour.
void fill_face(HDC dc, const RECT& r, const Look& look, GradientTarget target, Role plain) {
    const auto& g = look.skin().gradient(target);
    if (!g) return fill(dc, r, look.color(plain));
    const int span = r.bottom - r.top - 1;
    for (int y = 0; y <= span; ++y) {
        const RECT line{r.left, r.top + y, r.right, r.top + y + 1};
        fill(dc, line,
             RGB(mix(g->top.red, g->bottom.red, y, span), mix(g->top.green, g->bottom.green, y, span),
                 mix(g->top.blue, g->bottom.blue, y, span)));
    }
}

// Clip regions are in device units, and a WM_PRINTCLIENT caller may have
// moved the DC's origin.
void clip_round(HDC dc, RECT r, int radius) {
    LPtoDP(dc, reinterpret_cast<POINT*>(&r), 2);
    HRGN region = CreateRoundRectRgn(r.left, r.top, r.right + 1, r.bottom + 1, 2 * radius, 2 * radius);
    ExtSelectClipRgn(dc, region, RGN_AND);
    DeleteObject(region);
}

void frame_round(HDC dc, const RECT& r, COLORREF color, int width, int radius) {
    HPEN pen = CreatePen(PS_INSIDEFRAME, width, color);
    if (pen == nullptr) return;
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 2 * radius, 2 * radius);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

std::wstring text_of(HWND w) {
    std::wstring text(std::size_t(GetWindowTextLengthW(w)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(w, text.data(), int(text.size()))));
    return text;
}

// The control's font, as the stock control would draw with it.
HFONT font_of(HWND w) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0));
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

LRESULT ui_state(HWND w) { return SendMessageW(w, WM_QUERYUISTATE, 0, 0); }

void draw_text(HDC dc, HWND w, const std::wstring& text, RECT r, COLORREF color, UINT format) {
    if (ui_state(w) & UISF_HIDEACCEL) format |= DT_HIDEPREFIX;
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), int(text.size()), &r, format);
}

// Keeps a paint off the visible windows it would cover: the control's
// children, and the siblings that lie wholly inside it (a group box encloses
// controls that are its siblings, and so may a tab control). Transparent
// windows (a transparent label's) paint nothing beneath themselves: what
// lies under them stays to be painted.
void exclude_enclosed(HWND control, HDC dc) {
    RECT mine;
    GetWindowRect(control, &mine);
    const auto exclude = [&](HWND other, bool child) {
        RECT r, both;
        if (other == control || !IsWindowVisible(other) || !GetWindowRect(other, &r)) return;
        if (GetWindowLongW(other, GWL_EXSTYLE) & WS_EX_TRANSPARENT) return;
        if (!IntersectRect(&both, &r, &mine) || (!child && !EqualRect(&both, &r))) return;
        MapWindowPoints(HWND_DESKTOP, control, reinterpret_cast<POINT*>(&both), 2);
        ExcludeClipRect(dc, both.left, both.top, both.right, both.bottom);
    };
    for (HWND w = GetWindow(control, GW_HWNDFIRST); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) exclude(w, false);
    for (HWND w = GetWindow(control, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) exclude(w, true);
}

bool is_tab_control(HWND w) {
    wchar_t name[32];
    return GetClassNameW(w, name, 32) > 0 && lstrcmpiW(name, WC_TABCONTROLW) == 0;
}

void fill_behind(const Look& look, HWND control, HDC dc, const RECT& r) {
    FillRect(dc, &r, surface_brush(look, GetParent(control), control, dc));
}

int wrap(long v, int period) { return int(((v % period) + period) % period); }

}  // namespace

HBRUSH surface_brush(const Look& look, HWND window, HWND control, HDC control_dc) {
    for (HWND w = window; w != nullptr && (GetWindowLongW(w, GWL_STYLE) & WS_CHILD); w = GetParent(w))
        if (is_tab_control(w)) return look.brush(Role::PageBack);
    const auto& tile = look.skin().texture(TextureTarget::WindowBack);
    if (tile) {
        POINT at{0, 0};  // the control's client origin in its top-level window
        MapWindowPoints(control, GetAncestor(control, GA_ROOT), &at, 1);
        POINT device{0, 0};
        LPtoDP(control_dc, &device, 1);
        SetBrushOrgEx(control_dc, wrap(device.x - at.x, tile->width), wrap(device.y - at.y, tile->height), nullptr);
    }
    return look.window_brush();
}

void paint_push_button(const Look& look, HWND button, HDC dc, bool hot) {
    const Skin& skin = look.skin();
    RECT r;
    GetClientRect(button, &r);
    const LRESULT state = SendMessageW(button, BM_GETSTATE, 0, 0);
    const bool enabled = IsWindowEnabled(button), pressed = state & BST_PUSHED;
    struct Face {
        GradientTarget gradient;
        Role face, text;
    };
    const Face face = pressed ? Face{GradientTarget::ButtonPressed, Role::ButtonPressedFace, Role::ButtonPressedText}
                      : hot   ? Face{GradientTarget::ButtonHover, Role::ButtonHoverFace, Role::ButtonHoverText}
                              : Face{GradientTarget::ButtonNormal, Role::ButtonFace, Role::ButtonText};
    fill_behind(look, button, dc, r);  // shows at the rounded corners
    {
        SavedDc saved(dc);
        clip_round(dc, r, skin.corner_radius);
        if (enabled)
            fill_face(dc, r, look, face.gradient, face.face);
        else
            fill(dc, r, look.color(Role::ButtonDisabledFace));
    }
    frame_round(dc, r, look.color(enabled ? Role::ButtonBorder : Role::DisabledText), skin.frame_width,
                skin.corner_radius);

    SavedDc saved(dc);
    SelectObject(dc, font_of(button));
    RECT inside = r;
    InflateRect(&inside, -(skin.frame_width + 2), -(skin.frame_width + 2));
    RECT text_box = inside;
    if (pressed) OffsetRect(&text_box, 1, 1);
    const std::wstring text = text_of(button);
    const COLORREF ink = look.color(enabled ? face.text : Role::ButtonDisabledText);
    if (GetWindowLongW(button, GWL_STYLE) & BS_MULTILINE) {
        RECT need = text_box;
        DrawTextW(dc, text.c_str(), int(text.size()), &need, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
        OffsetRect(&text_box, 0, std::max(0L, ((text_box.bottom - text_box.top) - (need.bottom - need.top)) / 2));
        draw_text(dc, button, text, text_box, ink, DT_CENTER | DT_WORDBREAK);
    } else {
        draw_text(dc, button, text, text_box, ink, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if ((state & BST_FOCUS) && !(ui_state(button) & UISF_HIDEFOCUS)) {
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &inside);
    }
}

void paint_group_box(const Look& look, HWND box, HDC dc) {
    const Skin& skin = look.skin();
    RECT r;
    GetClientRect(box, &r);
    SavedDc saved(dc);
    SelectObject(dc, font_of(box));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    {
        SavedDc clipped(dc);
        exclude_enclosed(box, dc);
        fill_behind(look, box, dc, r);
    }
    RECT frame = r;
    frame.top += metrics.tmHeight / 2;
    frame_round(dc, frame, look.color(Role::GroupFrame), skin.frame_width, skin.corner_radius);

    const std::wstring text = text_of(box);
    if (text.empty()) return;
    // The caption's colours, as the stock group box asks its window for them:
    // the window's own where it states them, else the skin's.
    const auto brush = HBRUSH(SendMessageW(GetParent(box), WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(box)));
    const COLORREF ink = IsWindowEnabled(box) ? GetTextColor(dc) : look.color(Role::DisabledText);
    RECT caption{0, 0, 0, metrics.tmHeight};
    DrawTextW(dc, text.c_str(), int(text.size()), &caption, DT_SINGLELINE | DT_CALCRECT);
    const int room = int(r.right - r.left) - 14,
              width = std::min(int(caption.right) + 4, room);  // 2 pixels either side
    const LONG style = GetWindowLongW(box, GWL_STYLE) & BS_CENTER;
    const int left = style == BS_CENTER ? (room - width) / 2 : style == BS_RIGHT ? room - width : 0;
    caption = {r.left + 7 + left, r.top, r.left + 7 + left + width, r.top + metrics.tmHeight};
    if (brush != nullptr)
        FillRect(dc, &caption, brush);
    else
        fill_behind(look, box, dc, caption);
    InflateRect(&caption, -2, 0);
    draw_text(dc, box, text, caption, ink, DT_SINGLELINE | DT_END_ELLIPSIS);
}

namespace {

enum class Side { Top, Bottom, Left, Right };

Side tab_side(HWND tabs) {
    const LONG style = GetWindowLongW(tabs, GWL_STYLE);
    if (style & TCS_VERTICAL) return (style & TCS_RIGHT) ? Side::Right : Side::Left;
    return (style & TCS_BOTTOM) ? Side::Bottom : Side::Top;
}

// The page: the client area less the band the tabs take on their side.
RECT page_of(HWND tabs, Side side, int count) {
    RECT page;
    GetClientRect(tabs, &page);
    for (int i = 0; i < count; ++i) {
        RECT tab;
        if (!SendMessageW(tabs, TCM_GETITEMRECT, WPARAM(i), LPARAM(&tab))) continue;
        switch (side) {
            case Side::Top: page.top = std::max(page.top, tab.bottom); break;
            case Side::Bottom: page.bottom = std::min(page.bottom, tab.top); break;
            case Side::Left: page.left = std::max(page.left, tab.right); break;
            case Side::Right: page.right = std::min(page.right, tab.left); break;
        }
    }
    return page;
}

// The tab's text, turned to read along the tab on vertical tab controls:
// top to bottom on the right, bottom to top on the left. A face such as
// "@宋体" then stands its characters upright.
void draw_tab_text(HDC dc, HWND tabs, int index, const RECT& tab, Side side, COLORREF ink) {
    wchar_t buffer[256] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 256;
    if (!SendMessageW(tabs, TCM_GETITEMW, WPARAM(index), LPARAM(&item)) || buffer[0] == 0) return;
    const std::wstring text = buffer;
    if (side == Side::Top || side == Side::Bottom) {
        SavedDc saved(dc);
        SelectObject(dc, font_of(tabs));
        draw_text(dc, tabs, text, tab, ink, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    LOGFONTW face{};
    GetObjectW(font_of(tabs), sizeof face, &face);
    face.lfEscapement = face.lfOrientation = side == Side::Right ? 2700 : 900;
    HFONT turned = CreateFontIndirectW(&face);
    if (turned == nullptr) return;
    {
        SavedDc saved(dc);
        SelectObject(dc, turned);
        TEXTMETRICW metrics;
        GetTextMetricsW(dc, &metrics);
        SIZE along;
        GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &along);
        const int across = metrics.tmHeight;
        const int width = tab.right - tab.left, height = tab.bottom - tab.top;
        SetTextColor(dc, ink);
        SetBkMode(dc, TRANSPARENT);
        SetTextAlign(dc, TA_LEFT | TA_TOP);
        // The text's top faces right when it runs downwards, left when upwards.
        if (side == Side::Right)
            TextOutW(dc, tab.right - (width - across) / 2, tab.top + (height - along.cx) / 2, text.c_str(),
                     int(text.size()));
        else
            TextOutW(dc, tab.left + (width - across) / 2, tab.bottom - (height - along.cx) / 2, text.c_str(),
                     int(text.size()));
    }
    DeleteObject(turned);
}

}  // namespace

void paint_tabs(const Look& look, HWND tabs, HDC dc, int hot_item) {
    SavedDc saved(dc);
    exclude_enclosed(tabs, dc);
    RECT client;
    GetClientRect(tabs, &client);
    fill(dc, client, look.color(Role::TabStrip));
    const Side side = tab_side(tabs);
    const int count = int(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    const int selected = int(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
    const COLORREF border = look.color(Role::PageBorder);
    const RECT page = page_of(tabs, side, count);
    fill(dc, page, look.color(Role::PageBack));
    SetDCBrushColor(dc, border);
    FrameRect(dc, &page, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));

    const bool enabled = IsWindowEnabled(tabs);
    // The selected tab last: it opens into the page over the page's border.
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < count; ++i) {
            if ((i == selected) != (pass == 1)) continue;
            RECT tab;
            if (!SendMessageW(tabs, TCM_GETITEMRECT, WPARAM(i), LPARAM(&tab))) continue;
            const bool chosen = i == selected;
            if (chosen)
                fill_face(dc, tab, look, GradientTarget::TabSelected, Role::TabSelectedFace);
            else if (i == hot_item && enabled)
                fill(dc, tab, look.color(Role::TabHoverFace));
            else
                fill_face(dc, tab, look, GradientTarget::Tab, Role::TabFace);
            SetDCBrushColor(dc, border);
            FrameRect(dc, &tab, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
            if (chosen) {
                RECT opening = tab;  // the frame's side that faces the page, and the page border behind it
                InflateRect(&opening, side == Side::Left || side == Side::Right ? 0 : -1,
                            side == Side::Top || side == Side::Bottom ? 0 : -1);
                switch (side) {
                    case Side::Top:
                        opening.top = tab.bottom - 1;
                        opening.bottom = tab.bottom + 1;
                        break;
                    case Side::Bottom:
                        opening.bottom = tab.top + 1;
                        opening.top = tab.top - 1;
                        break;
                    case Side::Left:
                        opening.left = tab.right - 1;
                        opening.right = tab.right + 1;
                        break;
                    case Side::Right:
                        opening.right = tab.left + 1;
                        opening.left = tab.left - 1;
                        break;
                }
                fill(dc, opening, look.color(Role::TabSelectedFace));
            }
            const Role ink = !enabled ? Role::DisabledText : chosen ? Role::TabSelectedText : Role::TabText;
            draw_tab_text(dc, tabs, i, tab, side, look.color(ink));
            if (chosen && GetFocus() == tabs && !(ui_state(tabs) & UISF_HIDEFOCUS)) {
                RECT focus = tab;
                InflateRect(&focus, -3, -3);
                SetTextColor(dc, RGB(0, 0, 0));
                SetBkColor(dc, RGB(255, 255, 255));
                DrawFocusRect(dc, &focus);
            }
        }
    }
}

void paint_progress(const Look& look, HWND bar, HDC dc) {
    const int radius = look.skin().corner_radius / 2;
    RECT r;
    GetClientRect(bar, &r);
    fill_behind(look, bar, dc, r);  // shows at the rounded corners
    {
        SavedDc saved(dc);
        clip_round(dc, r, radius);
        fill(dc, r, look.color(Role::ProgressGroove));
        const long long low = int(SendMessageW(bar, PBM_GETRANGE, TRUE, 0));
        const long long high = int(SendMessageW(bar, PBM_GETRANGE, FALSE, 0));
        const long long position = int(SendMessageW(bar, PBM_GETPOS, 0, 0));
        RECT chunk = r;
        InflateRect(&chunk, -1, -1);
        if (high > low) {
            const long long done = std::clamp(position - low, 0LL, high - low);
            if (GetWindowLongW(bar, GWL_STYLE) & PBS_VERTICAL)
                chunk.top = chunk.bottom - LONG((chunk.bottom - chunk.top) * done / (high - low));
            else
                chunk.right = chunk.left + LONG((chunk.right - chunk.left) * done / (high - low));
            if (chunk.right > chunk.left && chunk.bottom > chunk.top)
                fill_face(dc, chunk, look, GradientTarget::ProgressChunk, Role::ProgressChunk);
        }
    }
    frame_round(dc, r, look.color(Role::ProgressBorder), 1, radius);
}

void paint_edit_frame(const Look& look, HWND edit) {
    RECT window;
    GetWindowRect(edit, &window);
    POINT client{0, 0};
    ClientToScreen(edit, &client);
    const int border = client.x - window.left;  // the same on every side
    if (border <= 0) return;
    HDC dc = GetWindowDC(edit);
    if (dc == nullptr) return;
    // A one-pixel line, and the rest of the border in the edit's own colour.
    RECT ring{0, 0, window.right - window.left, window.bottom - window.top};
    for (int i = 0; i < border; ++i, InflateRect(&ring, -1, -1)) {
        const Role role = i > 0 ? Role::EditBack : GetFocus() == edit ? Role::EditFocusBorder : Role::EditBorder;
        SetDCBrushColor(dc, look.color(role));
        FrameRect(dc, &ring, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    ReleaseDC(edit, dc);
}

}  // namespace she::win
