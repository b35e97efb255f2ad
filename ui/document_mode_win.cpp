// Without a browser-emulation value the WebBrowser control renders every page as
// IE7 would, and the mobile pages' media queries and scripts fail.
#include "ui/app_win.h"

namespace {
constexpr wchar_t EMULATION_KEY[] =
    L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";
constexpr DWORD IE11_EDGE_MODE = 11001;

bool value_written = false;
wchar_t value_name[MAX_PATH] = {};

// The value is named after the exe's file name, whatever the exe was renamed to.
bool read_exe_name() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    const wchar_t* name = path;
    for (const wchar_t* c = path; *c != L'\0'; ++c)
        if (*c == L'\\' || *c == L'/') name = c + 1;
    return lstrcpynW(value_name, name, MAX_PATH) != nullptr;
}
} // namespace

// Failures are ignored: the pane still works, only in the older mode.
void register_document_mode() {
    if (!read_exe_name()) return;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, EMULATION_KEY, 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    if (RegQueryValueExW(key, value_name, nullptr, nullptr, nullptr, nullptr) ==
        ERROR_FILE_NOT_FOUND) {
        const DWORD mode = IE11_EDGE_MODE;
        value_written =
            RegSetValueExW(key, value_name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&mode),
                           sizeof mode) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
}

void unregister_document_mode() {
    if (!value_written) return;
    value_written = false;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, EMULATION_KEY, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueW(key, value_name);
    RegCloseKey(key);
}
