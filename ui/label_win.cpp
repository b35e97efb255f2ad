// The label 标签1: red bold text with a white shadow, drawn here; a press of the
// left button generates the VIP link.
#include "ui/actions.h"
#include "ui/app_win.h"

namespace {
constexpr COLORREF LABEL_TEXT_COLOUR = RGB(255, 0, 0);
constexpr COLORREF LABEL_SHADOW_COLOUR = RGB(255, 255, 255);

HFONT create_label_font() {
    return CreateFontW(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, L"");
}

void paint_label(HWND window) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));

    wchar_t caption[128];
    const int length = GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
    const auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(window, GWLP_USERDATA));
    const HGDIOBJ old_font = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    constexpr UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    // Raised look: white first, then red one pixel right and down.
    SetTextColor(dc, LABEL_SHADOW_COLOUR);
    DrawTextW(dc, caption, length, &area, format);
    OffsetRect(&area, 1, 1);
    SetTextColor(dc, LABEL_TEXT_COLOUR);
    DrawTextW(dc, caption, length, &area, format);
    SelectObject(dc, old_font);
    EndPaint(window, &paint);
}

LRESULT CALLBACK label_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE:
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create_label_font()));
        return 0;
    case WM_PAINT:
        paint_label(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    // Once per press: the second press of a double click arrives as
    // WM_LBUTTONDBLCLK, which runs nothing.
    case WM_LBUTTONDOWN:
        act_generate_vip();
        return 0;
    case WM_NCDESTROY:
        DeleteObject(reinterpret_cast<HFONT>(GetWindowLongPtrW(window, GWLP_USERDATA)));
        return 0;
    default:
        return DefWindowProcW(window, message, wparam, lparam);
    }
}
} // namespace

// Double clicks reach the label as WM_LBUTTONDBLCLK, so a double click is one press.
bool register_label_class(HINSTANCE instance) {
    return register_window_class(instance, LABEL_CLASS, label_proc, CS_DBLCLKS, nullptr);
}
