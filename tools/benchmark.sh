#!/usr/bin/env bash
# Prints Velmora's benchmark table: start-up and click speed under Wine against a
# bare Win32 program, link generation against a bare LCG loop, and the size and
# imports of velmora.exe. Figures, not a pass/fail test.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
./tools/install-deps.sh >/dev/null
./tools/build.sh native >/dev/null
./tools/build.sh windows >/dev/null
export WINEPREFIX=${WINEPREFIX:-$root/build/windows/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d"
./tests/e2e/prepare-prefix.sh >/dev/null

echo "==> Timing start-up and clicks under Wine (about a minute)"
VELMORA_BASELINE_EXE=$(winepath -w build/windows/tests/bench/velmora_baseline.exe 2>/dev/null)
export VELMORA_BASELINE_EXE
ui=$(./tests/e2e/run-e2e.sh build/windows/ui/velmora.exe \
    build/windows/tests/bench/velmora_ui_benchmark.exe | tr -d '\r')
figure() { printf '%s\n' "$ui" | awk -F'\t' -v k="$1" '$1 == k { print $2 }'; }

echo "==> Timing link generation"
link_ratio=$(build/native/tests/velmora_link_benchmark --benchmark_min_time=1 2>/dev/null |
    sed -n 's/.*bare loop throughput = \([0-9.]*\).*/\1/p')

stripped=$(mktemp --suffix=.exe)
x86_64-w64-mingw32-strip -o "$stripped" build/windows/ui/velmora.exe
size_kb=$(( $(stat -c %s "$stripped") / 1024 ))
rm -f "$stripped"
imports=$(x86_64-w64-mingw32-objdump -p build/windows/ui/velmora.exe |
    sed -n 's/.*DLL Name: //p' | tr '\n' ' ')
system_only=yes
for dll in $imports; do
    case "${dll,,}" in
    kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | shell32.dll | ole32.dll | \
        oleaut32.dll | comctl32.dll | msvcrt.dll | urlmon.dll) ;;
    *) system_only="no ($dll)" ;;
    esac
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
greeting_v=$(figure greeting_velmora_ms)
greeting_b=$(figure greeting_baseline_ms)
click_e=$(figure click_empty_log_ms)
click_f=$(figure click_20000_lines_ms)

echo
echo "Machine: $(nproc) cores, $(awk '/model name/ { $1=$2=$3=""; print; exit }' /proc/cpuinfo | sed 's/^ *//'), $(wine --version 2>/dev/null)"
printf '| %-52s | %-28s | %-10s |\n' "Figure" "Measured" "Target"
printf '|%s|%s|%s|\n' "------------------------------------------------------" "------------------------------" "------------"
printf '| %-52s | %-28s | %-10s |\n' \
    "Launch to greeting, median of 11 (velmora / baseline)" "$greeting_v ms / $greeting_b ms = $(ratio "$greeting_v" "$greeting_b")" "<= 1.5" \
    "Generate click (20,000-line log / empty log)" "$click_f ms / $click_e ms = $(ratio "$click_f" "$click_e")" "<= 1.5" \
    "make_generated_link / bare LCG loop throughput" "$link_ratio" ">= 0.8" \
    "velmora.exe stripped size" "$size_kb KB" "<= 600 KB" \
    "Imports Windows system DLLs only" "$system_only" "yes"
echo "Imports: $imports"
