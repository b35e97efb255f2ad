#!/usr/bin/env bash
# Builds everything and runs every test: the core tests natively, under
# AddressSanitizer + UBSan, and cross-built under Wine, then the end-to-end
# suite that drives the real velmora.exe under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh

failed=()
run_tests() {
    local kind=$1
    echo "==> Testing ($kind)"
    if ! ctest --test-dir "build/$kind" --output-on-failure --timeout 1500; then
        failed+=("$kind")
    fi
}

./tools/build.sh native
run_tests native
./tools/build.sh sanitize
run_tests sanitize
./tools/build.sh windows
run_tests windows

echo
if [ ${#failed[@]} -eq 0 ]; then
    echo "==> All tests passed: native, sanitize, windows (core under Wine and end-to-end)"
else
    echo "==> Tests FAILED in: ${failed[*]}" >&2
    exit 1
fi
