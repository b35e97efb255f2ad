// The least a program like Velmora can do at start-up: a window of the same size
// and a message box before it is shown. The start-up benchmark measures against it.
#include <windows.h>

namespace {
LRESULT CALLBACK baseline_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = baseline_proc;
    window_class.hInstance = instance;
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = L"VelmoraBaseline";
    RegisterClassW(&window_class);
    const HWND window = CreateWindowExW(0, L"VelmoraBaseline", L"Baseline",
                                        WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 1068, 261,
                                        nullptr, nullptr, instance, nullptr);
    MessageBoxW(nullptr, L"baseline", L"信息：", MB_OK | MB_TASKMODAL);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
