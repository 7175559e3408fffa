#include "forms/win32/trans_label.h"

#include <memory>

#include "forms/win32/fonts.h"
#include "forms/win32/line_breaks.h"
#include "forms/win32/window_class.h"

namespace forms::win32 {

namespace {

constexpr wchar_t class_name[] = L"YanzhouTransLabel";
// Room for the effect copies and for glyphs that reach past their cell.
constexpr int overhang = 3;

struct Label {
    TransLook look;
    RECT rect{};                  // the label, in the parent's client area
    RECT ink{};                   // its window, in the parent's client area
    std::vector<LineSpan> lines;  // when wrapped
    int pitch = 0, cell = 0;
};

Label* label_of(HWND w) { return reinterpret_cast<Label*>(GetWindowLongPtrW(w, GWLP_USERDATA)); }

int width_of(const RECT& r) { return r.right - r.left; }
int height_of(const RECT& r) { return r.bottom - r.top; }

UINT horizontal(Align align) {
    switch (align) {
        case Align::Centre: return DT_CENTER;
        case Align::Right: return DT_RIGHT;
        default: return DT_LEFT;
    }
}

UINT vertical(VAlign valign) {
    switch (valign) {
        case VAlign::Middle: return DT_VCENTER;
        case VAlign::Bottom: return DT_BOTTOM;
        default: return DT_TOP;
    }
}

constexpr UINT line_format = DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX | DT_EXPANDTABS;

// Where a block `size` wide starts in `room` for the alignment.
int aligned(int room, int size, int alignment_number) {
    if (alignment_number == 1) return (room - size) / 2;
    if (alignment_number == 2) return room - size;
    return 0;
}

std::wstring on_one_line(std::wstring text) {
    for (std::size_t at; (at = text.find(L"\r\n")) != std::wstring::npos;) text.replace(at, 2, L" ");
    for (auto& c : text)
        if (c == L'\r' || c == L'\n') c = L' ';
    return text;
}

// Lays the text out for the label's rectangle; returns the ink's rectangle.
RECT lay_out(Label& l) {
    l.lines.clear();
    RECT bounds{0, 0, width_of(l.rect), height_of(l.rect)};
    if (!l.look.text.empty()) {
        HDC dc = GetDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, l.look.font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        l.cell = metrics.tmHeight;
        l.pitch = character_height(dc);
        const std::wstring& text = l.look.text;
        RECT text_box{};
        if (l.look.ink.word_wrap) {
            std::vector<int> extents(text.size());
            SIZE whole{};
            GetTextExtentExPointW(dc, text.c_str(), int(text.size()), 0, nullptr, extents.data(), &whole);
            std::vector<int> edges(text.size() + 1, 0);
            for (std::size_t i = 0; i < text.size(); ++i) edges[i + 1] = extents[i];
            l.lines = break_lines(text, edges, width_of(l.rect));
            for (std::size_t i = 0; i < l.lines.size(); ++i) {
                const int w = edges[l.lines[i].end] - edges[l.lines[i].begin];
                const int x = aligned(width_of(l.rect), w, int(l.look.ink.align));
                const RECT line{x, int(i) * l.pitch, x + w, int(i) * l.pitch + l.cell};
                UnionRect(&text_box, &text_box, &line);
            }
        } else {
            const std::wstring line = on_one_line(text);
            RECT size{};
            DrawTextW(dc, line.c_str(), int(line.size()), &size, line_format | DT_CALCRECT);
            const int x = aligned(width_of(l.rect), width_of(size), int(l.look.ink.align));
            const int y = aligned(height_of(l.rect), height_of(size), int(l.look.ink.valign));
            text_box = {x, y, x + width_of(size), y + height_of(size)};
        }
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        UnionRect(&bounds, &bounds, &text_box);
    }
    InflateRect(&bounds, overhang, overhang);
    OffsetRect(&bounds, l.rect.left, l.rect.top);
    return bounds;
}

void draw(const Label& l, HDC dc, POINT at, COLORREF color) {
    SetTextColor(dc, color);
    const std::wstring& text = l.look.text;
    if (l.look.ink.word_wrap) {
        for (std::size_t i = 0; i < l.lines.size(); ++i) {
            const int top = at.y + int(i) * l.pitch;
            RECT r{at.x, top, at.x + width_of(l.rect), top + l.cell};
            DrawTextW(dc, text.c_str() + l.lines[i].begin, int(l.lines[i].end - l.lines[i].begin), &r,
                      line_format | horizontal(l.look.ink.align));
        }
        return;
    }
    const std::wstring line = on_one_line(text);
    RECT r{at.x, at.y, at.x + width_of(l.rect), at.y + height_of(l.rect)};
    DrawTextW(dc, line.c_str(), int(line.size()), &r,
              line_format | horizontal(l.look.ink.align) | vertical(l.look.ink.valign));
}

void paint(const Label& l, HDC dc) {
    if (l.look.text.empty()) return;
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ old = SelectObject(dc, l.look.font);
    const POINT at{l.rect.left - l.ink.left, l.rect.top - l.ink.top};
    for (int i = 0; i < l.look.ink.pass_count; ++i) {
        const InkPass& pass = l.look.ink.passes[std::size_t(i)];
        draw(l, dc, {at.x + pass.dx, at.y + pass.dy}, colorref(pass.color, RGB(0, 0, 0)));
    }
    SelectObject(dc, old);
}

LRESULT CALLBACK label_proc(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
        case WM_NCCREATE: SetWindowLongPtrW(w, GWLP_USERDATA, LONG_PTR(new Label)); break;
        case WM_NCDESTROY: {
            std::unique_ptr<Label> gone(label_of(w));
            SetWindowLongPtrW(w, GWLP_USERDATA, 0);
            break;
        }
        case WM_NCHITTEST: {
            const Label* l = label_of(w);
            POINT at{short(LOWORD(lp)), short(HIWORD(lp))};
            ScreenToClient(GetParent(w), &at);
            return l != nullptr && PtInRect(&l->rect, at) ? HTCLIENT : HTTRANSPARENT;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(w, &ps);
            if (const Label* l = label_of(w); l != nullptr && dc != nullptr) paint(*l, dc);
            EndPaint(w, &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            if (const Label* l = label_of(w)) paint(*l, HDC(wp));
            return 0;
    }
    return DefWindowProcW(w, message, wp, lp);
}

// The parent and every window over the area, then the label, paint again.
void repaint_beneath(HWND label, RECT area) {
    if (!IsWindowVisible(label)) return;
    const HWND top = GetAncestor(label, GA_ROOT);
    MapWindowPoints(GetParent(label), top, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(top, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace

HWND make_trans_label(HWND parent, RECT label, DWORD style) {
    register_class_once(class_name, label_proc, static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH)));
    HWND w =
        CreateWindowExW(WS_EX_TRANSPARENT, class_name, L"", WS_CHILD | WS_CLIPSIBLINGS | style, label.left, label.top,
                        width_of(label), height_of(label), parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (Label* l = w != nullptr ? label_of(w) : nullptr) l->rect = l->ink = label;
    return w;
}

void show_trans_look(HWND label, const TransLook& look, RECT rect) {
    Label* l = label_of(label);
    if (l == nullptr) return;
    const RECT before = l->ink;
    l->look = look;
    l->rect = rect;
    l->ink = lay_out(*l);
    SetWindowPos(label, nullptr, l->ink.left, l->ink.top, width_of(l->ink), height_of(l->ink),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
    RECT both;
    UnionRect(&both, &before, &l->ink);
    repaint_beneath(label, both);
}

POINT trans_label_origin(HWND label) {
    const Label* l = label_of(label);
    return l != nullptr ? POINT{l->rect.left - l->ink.left, l->rect.top - l->ink.top} : POINT{0, 0};
}

}  // namespace forms::win32
