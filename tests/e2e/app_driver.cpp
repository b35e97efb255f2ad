#include "app_driver.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

std::wstring environment(const wchar_t* name) {
    wchar_t value[4096];
    const DWORD length = GetEnvironmentVariableW(name, value, 4096);
    return length > 0 && length < 4096 ? std::wstring(value, length) : std::wstring();
}

bool wait_until(const std::function<bool()>& condition, DWORD timeout_ms, DWORD poll_ms) {
    const ULONGLONG end = GetTickCount64() + timeout_ms;
    while (!condition()) {
        if (GetTickCount64() > end) return false;
        Sleep(poll_ms);
    }
    return true;
}

std::wstring window_text(HWND window) {
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::vector<std::wstring> lines_of(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::wstring class_name(HWND window) {
    wchar_t name[256];
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

App::App(const std::vector<std::wstring>& extra_environment) {
    const std::wstring exe = environment(L"VELMORA_EXE");
    if (exe.empty()) throw std::runtime_error("VELMORA_EXE is not set");
    // The child's environment: ours plus the extra entries, as a double-NUL block.
    std::wstring block;
    if (!extra_environment.empty()) {
        wchar_t* own = GetEnvironmentStringsW();
        for (const wchar_t* entry = own; *entry != L'\0'; entry += wcslen(entry) + 1)
            block.append(entry).push_back(L'\0');
        FreeEnvironmentStringsW(own);
        for (const std::wstring& entry : extra_environment)
            block.append(entry).push_back(L'\0');
        block.push_back(L'\0');
    }
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(
            exe.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
            extra_environment.empty() ? nullptr : block.data(), nullptr, &startup, &process_))
        throw std::runtime_error("velmora.exe could not be started");
    wait_until([&] { return !top_level_windows().empty() || !running(); });
}

// Closes the program the way a user would, so it cleans up after itself; only a
// program that does not end in time is killed.
App::~App() {
    if (running()) {
        if (const HWND box = message_box_now()) press_ok(box);
        wait_until([&] { return message_box_now() == nullptr; }, 2000);
        if (const HWND main = main_window()) PostMessageW(main, WM_CLOSE, 0, 0);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    if (running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::vector<HWND> App::top_level_windows() const {
    struct Search {
        DWORD process;
        std::vector<HWND> found;
    } search{process_.dwProcessId, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->process && class_name(window) != L"IME") s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND App::main_window() const {
    for (HWND window : top_level_windows())
        if (class_name(window) == MAIN_WINDOW_CLASS && window_text(window) == MAIN_WINDOW_TITLE)
            return window;
    return nullptr;
}

HWND App::message_box_now() const {
    for (HWND window : top_level_windows())
        if (class_name(window) == MESSAGE_BOX_CLASS && IsWindowVisible(window)) return window;
    return nullptr;
}

HWND App::wait_message_box(DWORD timeout_ms) const {
    HWND box = nullptr;
    wait_until([&] { return (box = message_box_now()) != nullptr; }, timeout_ms);
    return box;
}

std::wstring App::message_text(HWND box) {
    // The text of a system message box is its static control 0xFFFF.
    return window_text(GetDlgItem(box, 0xFFFF));
}

void App::press_ok(HWND box) {
    // By id: the button's caption depends on the locale.
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

HWND App::dismiss_greeting() {
    const HWND box = wait_message_box();
    if (box == nullptr) throw std::runtime_error("no greeting box appeared");
    press_ok(box);
    HWND main = nullptr;
    wait_until([&] {
        main = main_window();
        return main != nullptr && IsWindowVisible(main) && message_box_now() == nullptr;
    });
    return main;
}

std::unique_ptr<App> App::started(const std::vector<std::wstring>& extra_environment) {
    auto app = std::make_unique<App>(extra_environment);
    app->dismiss_greeting();
    return app;
}

HWND App::control(Control id) const {
    const ControlRow& row = layout_row(id);
    HWND parent = main_window();
    if (row.parent != Control::none) parent = control(row.parent);
    if (parent == nullptr) return nullptr;
    // A child of that parent of the right class at the layout's place; the caption
    // decides too where the layout gives one.
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
        if (place.left == row.x && place.top == row.y &&
            _wcsicmp(class_name(child).c_str(), window_class_of(row.kind)) == 0 &&
            (row.caption[0] == L'\0' || window_text(child) == row.caption))
            return child;
    }
    return nullptr;
}

void App::set_text(Control id, const std::wstring& text) const {
    SendMessageW(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void App::click(Control id) const {
    SendMessageW(control(id), BM_CLICK, 0, 0);
}

void App::post_click(Control id) const {
    PostMessageW(control(id), BM_CLICK, 0, 0);
}

void App::bring_to_front() const {
    const HWND main = main_window();
    SetForegroundWindow(main);
    wait_until([&] { return GetForegroundWindow() == main; }, 3000);
}

void App::press_key(WORD key, bool shift, bool ctrl) const {
    std::vector<INPUT> inputs;
    auto add = [&](WORD virtual_key, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtual_key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (ctrl) add(VK_CONTROL, false);
    if (shift) add(VK_SHIFT, false);
    add(key, false);
    add(key, true);
    if (shift) add(VK_SHIFT, true);
    if (ctrl) add(VK_CONTROL, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    // Let the program take the keys before anyone looks at the result.
    const HWND main = main_window();
    if (main != nullptr) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_BLOCK, 2000, &ignored);
        Sleep(50);
        SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_BLOCK, 2000, &ignored);
    }
}

HWND App::focused_window() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

DWORD App::wait_exit(DWORD timeout_ms) const {
    WaitForSingleObject(process_.hProcess, timeout_ms);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

bool App::running() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

namespace {
std::vector<std::string> read_lines(const std::wstring& path) {
    std::vector<std::string> lines;
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    std::string line;
    while (std::getline(file, line))
        lines.push_back(line);
    return lines;
}
} // namespace

std::vector<std::string> witness_requests() {
    return read_lines(environment(L"VELMORA_WITNESS_LOG"));
}

std::string witness_url(const std::string& path) {
    return to_utf8(environment(L"VELMORA_WITNESS_URL")) + path;
}

std::vector<std::string> shell_handoffs() {
    return read_lines(environment(L"VELMORA_SHELL_LOG"));
}

bool save_screenshot(HWND window, const std::wstring& path) {
    RECT area;
    GetWindowRect(window, &area);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file_header{};
    file_header.bfType = 0x4D42;
    file_header.bfOffBits = sizeof file_header + sizeof header;
    file_header.bfSize = file_header.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    file.write(reinterpret_cast<const char*>(&file_header), sizeof file_header);
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    file.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(file);
}
