#include "forms/win32/picture_box.h"

#include <algorithm>
#include <future>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "forms/presentation.h"
#include "forms/win32/decoding_worker.h"
#include "forms/win32/dpi.h"
#include "forms/win32/window_class.h"
#include "pictures/picture.h"

namespace forms::win32 {

namespace {

constexpr wchar_t class_name[] = L"YanzhouPictureBox";
constexpr UINT_PTR frame_timer = 1;
// Border widths of the six styles: none, sunken, raised, thin sunken,
// sunken inside raised, single line.
constexpr int border_widths[] = {0, 2, 2, 1, 4, 1};

// A frame as StretchDIBits takes it: 32-bit BGR rows, top row first. Where
// the picture is transparent, `pixels` is black and `mask` white, so that
// the mask ANDed and the pixels ORed over the background show it there.
struct Frame {
    std::vector<std::uint8_t> pixels, mask;
};

struct Box {
    std::future<image::Picture> decoding;  // asked for when the box is made
    bool decoded = false;
    int width = 0, height = 0;
    std::vector<Frame> frames;
    Animation animation;
    int border = 0;  // 0 to 5, as Border
    DisplayMode mode = DisplayMode::Stretched;
};

// What a box is made with: its border is known by the time its frame is first measured.
struct BoxCreation {
    Picture picture;
    PictureLook look;
};

Box* box_of(HWND w) { return reinterpret_cast<Box*>(GetWindowLongPtrW(w, GWLP_USERDATA)); }

Frame frame_of(const image::Frame& decoded) {
    Frame f;
    f.pixels.resize(decoded.rgba.size());
    bool transparent = false;
    for (std::size_t i = 0; i + 3 < decoded.rgba.size(); i += 4) {
        const bool clear = decoded.rgba[i + 3] < 128;
        transparent = transparent || clear;
        f.pixels[i] = clear ? 0 : decoded.rgba[i + 2];
        f.pixels[i + 1] = clear ? 0 : decoded.rgba[i + 1];
        f.pixels[i + 2] = clear ? 0 : decoded.rgba[i];
    }
    if (transparent) {
        f.mask.resize(decoded.rgba.size());
        for (std::size_t i = 0; i + 3 < decoded.rgba.size(); i += 4)
            std::fill_n(f.mask.begin() + i, 3, decoded.rgba[i + 3] < 128 ? 255 : 0);
    }
    return f;
}

void decode(Box& b) {
    b.decoded = true;
    if (!b.decoding.valid()) return;
    image::Picture picture;
    try {
        picture = b.decoding.get();
    } catch (const std::bad_alloc&) {
        return;  // shown empty, as a picture that cannot be decoded
    }
    b.width = picture.width;
    b.height = picture.height;
    std::vector<int> delays;
    for (const auto& frame : picture.frames) {
        b.frames.push_back(frame_of(frame));
        delays.push_back(frame.delay_ms);
    }
    b.animation.set_delays(std::move(delays));
}

void schedule_next_frame(HWND w, Box& b) {
    if (const std::optional<int> delay = b.animation.start_wait()) SetTimer(w, frame_timer, UINT(*delay), nullptr);
}

void blit(HDC dc, const RECT& to, const Box& b, const std::vector<std::uint8_t>& bits, DWORD operation) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = b.width;
    info.bmiHeader.biHeight = -b.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    StretchDIBits(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, 0, 0, b.width, b.height, bits.data(),
                  &info, DIB_RGB_COLORS, operation);
}

void paint(HWND w, Box& b, HDC dc) {
    if (!b.decoded) decode(b);
    schedule_next_frame(w, b);
    if (b.frames.empty()) return;
    RECT client;
    GetClientRect(w, &client);
    const PicturePlacement placed =
        place_picture({client.left, client.top, client.right - client.left, client.bottom - client.top}, b.width,
                      b.height, b.mode, dpi_of(w));
    const Geometry& g = placed.rect;
    const RECT to{g.left, g.top, g.left + g.width, g.top + g.height};
    SetStretchBltMode(dc, placed.smooth ? HALFTONE : COLORONCOLOR);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    const Frame& f = b.frames[std::size_t(b.animation.current())];
    if (f.mask.empty()) {
        blit(dc, to, b, f.pixels, SRCCOPY);
        return;
    }
    blit(dc, to, b, f.mask, SRCAND);
    blit(dc, to, b, f.pixels, SRCPAINT);
}

// A border's width at the box's scale.
int border_width(HWND w, int border) { return scaled(border_widths[border], dpi_of(w)); }

void paint_border(HWND w, int border) {
    if (border <= 0) return;
    HDC dc = GetWindowDC(w);
    RECT r;
    GetWindowRect(w, &r);
    OffsetRect(&r, -r.left, -r.top);
    // At a larger scale the edges keep their lines and the face colour
    // widens the band inside them; a single line is drawn as thick.
    const int wider = border_width(w, border) - border_widths[border];
    if (wider > 0) {
        RECT inner = r;
        InflateRect(&inner, -border_widths[border], -border_widths[border]);
        for (int i = 0; i < wider; ++i, InflateRect(&inner, -1, -1))
            FrameRect(dc, &inner, GetSysColorBrush(border == 5 ? COLOR_WINDOWFRAME : COLOR_BTNFACE));
    }
    switch (border) {
        case 1: DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT); break;
        case 2: DrawEdge(dc, &r, EDGE_RAISED, BF_RECT); break;
        case 3: DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT); break;
        case 4:
            DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
            DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
            break;
        default: FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME)); break;
    }
    ReleaseDC(w, dc);
}

LRESULT CALLBACK box_proc(HWND w, UINT message, WPARAM wp, LPARAM lp) {
    Box* b = box_of(w);
    switch (message) {
        case WM_NCCREATE: {
            const auto& asked = *static_cast<const BoxCreation*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
            auto* made = new Box;
            made->border = std::clamp(int(asked.look.border), 0, 5);
            made->mode = asked.look.mode;
            made->animation.set_animate(asked.look.animate);
            if (asked.picture != nullptr) made->decoding = decode_soon(asked.picture);
            SetWindowLongPtrW(w, GWLP_USERDATA, LONG_PTR(made));
            break;
        }
        case WM_NCDESTROY: {
            std::unique_ptr<Box> gone(b);
            SetWindowLongPtrW(w, GWLP_USERDATA, 0);
            break;
        }
        case WM_NCCALCSIZE: {
            if (b == nullptr) break;
            RECT* r = wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<RECT*>(lp);
            const int width = border_width(w, b->border);
            InflateRect(r, -width, -width);
            if (r->right < r->left) r->right = r->left;
            if (r->bottom < r->top) r->bottom = r->top;
            return 0;
        }
        case WM_NCPAINT:
            if (b != nullptr) paint_border(w, b->border);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(w, &ps);
            if (b != nullptr && dc != nullptr) paint(w, *b, dc);
            EndPaint(w, &ps);
            return 0;
        }
        case WM_TIMER:
            if (b == nullptr || wp != frame_timer) break;
            KillTimer(w, frame_timer);
            // Hidden, it rests on its frame; its next paint plays on from there.
            if (b->frames.empty() || !IsWindowVisible(w)) {
                b->animation.stop_wait();
                return 0;
            }
            b->animation.advance();
            InvalidateRect(w, nullptr, !b->frames[std::size_t(b->animation.current())].mask.empty());
            schedule_next_frame(w, *b);
            return 0;
    }
    return DefWindowProcW(w, message, wp, lp);
}

}  // namespace

HWND make_picture_box(HWND parent, RECT rect, Picture picture, const PictureLook& look, DWORD style) {
    // The face colour, so that a skin paints its own background there.
    register_class_once(class_name, box_proc, HBRUSH(COLOR_BTNFACE + 1));
    BoxCreation asked{picture, look};
    return CreateWindowExW(0, class_name, L"", WS_CHILD | WS_CLIPSIBLINGS | style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, GetModuleHandleW(nullptr),
                           &asked);
}

void set_picture_border(HWND box, Border border) {
    Box* b = box_of(box);
    if (b == nullptr) return;
    b->border = std::clamp(int(border), 0, 5);
    SetWindowPos(box, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(box, nullptr, TRUE);
}

void set_picture_mode(HWND box, DisplayMode mode) {
    if (Box* b = box_of(box)) {
        b->mode = mode;
        InvalidateRect(box, nullptr, TRUE);
    }
}

void set_picture_animate(HWND box, bool animate) {
    Box* b = box_of(box);
    if (b == nullptr) return;
    b->animation.set_animate(animate);
    if (!animate) {
        KillTimer(box, frame_timer);
        b->animation.stop_wait();
    } else if (b->decoded) {
        schedule_next_frame(box, *b);
    }
}

PictureShown picture_shown(HWND box) {
    const Box* b = box_of(box);
    if (b == nullptr) return {};
    return {b->decoded, int(b->frames.size()), b->animation.current()};
}

HICON icon_of(Picture picture) {
    if (picture == nullptr) return nullptr;
    const image::Picture decoded = image::decode_picture(*picture);
    if (decoded.empty()) return nullptr;
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = decoded.width;
    header.bV5Height = -decoded.height;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP color = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (color == nullptr) return nullptr;
    const auto& rgba = decoded.frames.front().rgba;
    auto* out = static_cast<std::uint8_t*>(bits);
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) {
        out[i] = rgba[i + 2];
        out[i + 1] = rgba[i + 1];
        out[i + 2] = rgba[i];
        out[i + 3] = rgba[i + 3];
    }
    // All 0: the colour bitmap's alpha alone says what shows.
    const std::vector<std::uint8_t> clear(std::size_t((decoded.width + 15) / 16 * 2) * std::size_t(decoded.height), 0);
    HBITMAP mask = CreateBitmap(decoded.width, decoded.height, 1, 1, clear.data());
    ICONINFO info{TRUE, 0, 0, mask, color};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(color);
    return icon;
}

}  // namespace forms::win32
