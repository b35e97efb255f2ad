// The main window as data: its settings and one row per control, in the order the
// layout keeps them. Creation, re-parenting into group boxes, stacking (earlier
// rows on top of their siblings) and the tab order (the rows reversed, tab stops
// only) are all read from this table. The end-to-end tests check the live window
// against the same table.
#pragma once

#include "velmora_config.h"

#include <windows.h>

#include <array>

inline constexpr wchar_t MAIN_WINDOW_CLASS[] = L"VelmoraMainWindow";
inline constexpr wchar_t LABEL_CLASS[] = L"VelmoraLabel";
inline constexpr wchar_t BROWSER_PANE_CLASS[] = L"VelmoraBrowserPane";

inline constexpr wchar_t MAIN_WINDOW_TITLE[] =
    L"Velmora"
    L"            "
    L"By:Tarsel |  QQ:" VELMORA_AUTHOR_CONTACT_NUMBER L"     " VELMORA_AUTHOR_WEB_ADDRESS;
inline constexpr int MAIN_WINDOW_WIDTH = 1068;
inline constexpr int MAIN_WINDOW_HEIGHT = 261;
inline constexpr DWORD MAIN_WINDOW_STYLE =
    WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

enum class Kind { group_box, edit_box, button, label, browser_pane };

// In layout order; the names are those the rest of the program uses for the controls.
enum class Control {
    open_in_mobile_browser, // 按钮6
    add_author,             // 按钮5
    vip_label,              // 标签1
    browser,                // 浏览器
    browser_group,          // 分组框6
    close_page,             // 按钮8
    refresh,                // 按钮7
    switch_iphone,          // 切换_iPhone内核
    switch_android,         // 切换_Android内核
    settings_group,         // 分组框5
    open_in_system_browser, // 按钮2
    generate,               // 按钮1
    generate_group,         // 分组框4
    quick_apply_small,      // 按钮4
    quick_apply_big,        // 按钮3
    quick_apply_group,      // 分组框3
    log_box,                // 日志框
    log_group,              // 分组框2
    link_box,               // 编辑框1
    link_group,             // 分组框1
    none,
};

struct ControlRow {
    Control id;
    const wchar_t* name;
    Kind kind;
    Control parent; // Control::none: the main window's client area
    int x, y, width, height;
    const wchar_t* caption;
    DWORD style; // besides WS_CHILD; WS_VISIBLE is added when the control is shown
    DWORD ex_style;
};

inline constexpr DWORD GROUP_BOX_STYLE = BS_GROUPBOX;
inline constexpr DWORD BUTTON_STYLE =
    BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_TABSTOP;
inline constexpr DWORD EDIT_STYLE = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_TABSTOP;
inline constexpr DWORD LABEL_STYLE = WS_BORDER;
inline constexpr DWORD BROWSER_PANE_STYLE = WS_TABSTOP;

// clang-format off
inline constexpr std::array<ControlRow, 20> LAYOUT = {{
    {Control::open_in_mobile_browser, L"按钮6", Kind::button, Control::generate_group, 8, 64, 152, 24, L"在手机浏览器中打开网址", BUTTON_STYLE, 0},
    {Control::add_author, L"按钮5", Kind::button, Control::settings_group, 8, 184, 104, 24, L"添加作者QQ", BUTTON_STYLE, 0},
    {Control::vip_label, L"标签1", Kind::label, Control::browser_group, 8, 184, 352, 24, L"打开并生成VIP申请地址", LABEL_STYLE, 0},
    {Control::browser, L"浏览器", Kind::browser_pane, Control::browser_group, 8, 16, 352, 168, L"", BROWSER_PANE_STYLE, 0},
    {Control::browser_group, L"分组框6", Kind::group_box, Control::none, 560, 3, 368, 216, L"手机浏览器", GROUP_BOX_STYLE, 0},
    {Control::close_page, L"按钮8", Kind::button, Control::settings_group, 8, 144, 104, 24, L"关闭当前页", BUTTON_STYLE, 0},
    {Control::refresh, L"按钮7", Kind::button, Control::settings_group, 8, 104, 104, 24, L"刷新浏览器", BUTTON_STYLE, 0},
    {Control::switch_iphone, L"切换_iPhone内核", Kind::button, Control::settings_group, 8, 64, 104, 24, L"切换iPhone内核", BUTTON_STYLE, 0},
    {Control::switch_android, L"切换_Android内核", Kind::button, Control::settings_group, 8, 24, 104, 24, L"切换Android内核", BUTTON_STYLE, 0},
    {Control::settings_group, L"分组框5", Kind::group_box, Control::none, 936, 3, 120, 216, L"浏览器设置", GROUP_BOX_STYLE, 0},
    {Control::open_in_system_browser, L"按钮2", Kind::button, Control::generate_group, 8, 40, 152, 24, L"在系统浏览器中打开网址", BUTTON_STYLE, 0},
    {Control::generate, L"按钮1", Kind::button, Control::generate_group, 16, 16, 128, 24, L"生 成", BUTTON_STYLE, 0},
    {Control::generate_group, L"分组框4", Kind::group_box, Control::none, 384, 11, 168, 104, L"生成链接", GROUP_BOX_STYLE, 0},
    {Control::quick_apply_small, L"按钮4", Kind::button, Control::quick_apply_group, 16, 64, 128, 32, L"申请小王卡", BUTTON_STYLE, 0},
    {Control::quick_apply_big, L"按钮3", Kind::button, Control::quick_apply_group, 16, 16, 128, 32, L"申请大王卡", BUTTON_STYLE, 0},
    {Control::quick_apply_group, L"分组框3", Kind::group_box, Control::none, 384, 115, 168, 104, L"快捷申请", GROUP_BOX_STYLE, 0},
    {Control::log_box, L"日志框", Kind::edit_box, Control::log_group, 8, 16, 352, 72, L"", EDIT_STYLE | WS_VSCROLL, 0},
    {Control::log_group, L"分组框2", Kind::group_box, Control::none, 8, 123, 368, 96, L"日志", GROUP_BOX_STYLE, 0},
    {Control::link_box, L"编辑框1", Kind::edit_box, Control::link_group, 8, 16, 352, 96, L"", EDIT_STYLE, WS_EX_CLIENTEDGE},
    {Control::link_group, L"分组框1", Kind::group_box, Control::none, 8, 3, 368, 120, L"链接生成", GROUP_BOX_STYLE, 0},
}};
// clang-format on

constexpr const ControlRow& layout_row(Control id) {
    return LAYOUT[static_cast<int>(id)];
}

// Child-window ids: distinct and stable, so clicks map back to rows.
constexpr int control_id(Control id) {
    return 1000 + static_cast<int>(id);
}

constexpr const wchar_t* window_class_of(Kind kind) {
    switch (kind) {
    case Kind::edit_box:
        return L"EDIT";
    case Kind::label:
        return LABEL_CLASS;
    case Kind::browser_pane:
        return BROWSER_PANE_CLASS;
    case Kind::group_box:
    case Kind::button:
        break;
    }
    return L"BUTTON";
}

constexpr bool is_tab_stop(const ControlRow& row) {
    return (row.style & WS_TABSTOP) != 0;
}

constexpr bool layout_matches_its_ids() {
    for (std::size_t i = 0; i < LAYOUT.size(); ++i)
        if (static_cast<std::size_t>(LAYOUT[i].id) != i) return false;
    return true;
}
static_assert(layout_matches_its_ids(), "rows must stand in the order of their ids");
