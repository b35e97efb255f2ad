#!/usr/bin/env bash
# Makes the Wine prefix the tests run in: fast (no window-manager waits), safe (a
# crash ends the test instead of opening a dialog) and able to show Chinese text.
set -euo pipefail
prefix=${WINEPREFIX:?WINEPREFIX must name the prefix to prepare}
export WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
stamp="$prefix/.velmora-ready"
# shellcheck source=virtual-display.sh
. "$(dirname "$0")/virtual-display.sh"
[ -f "$stamp" ] && exit 0

echo "Preparing Wine prefix $prefix (first run takes about 15 s)"
mkdir -p "$prefix"
"$(wine_loader)" wineboot --init >/dev/null 2>&1 || true
wineserver -w

font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
reg=$(mktemp --suffix=.reg)
{
    printf 'Windows Registry Editor Version 5.00\n\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Managed"="N"\n"Decorated"="Y"\n\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\n"ShowCrashDialog"=dword:00000000\n\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\DllOverrides]\n"winemenubuilder.exe"=""\n\n'
    if [ -f "$font" ]; then
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n'
        for face in "SimSun" "NSimSun" "宋体" "新宋体" "Microsoft YaHei" "微软雅黑" "SimHei" "黑体" \
                    "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "MS Sans Serif" "Segoe UI" \
                    "Arial" "System"; do
            printf '"%s"="WenQuanYi Micro Hei"\n' "$face"
        done
        printf '\n'
    fi
} | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
"$(wine_loader)" regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
rm -f "$reg"
# The CJK font, and Wine's own fonts (Marlett draws the title-bar buttons), which
# Debian's Wine does not find in its data folder by itself.
fonts="$prefix/drive_c/windows/Fonts"
[ -f "$font" ] && cp "$font" "$fonts/"
cp /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
wineserver -w
touch "$stamp"
