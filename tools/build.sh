#!/usr/bin/env bash
# Configures and builds one of Velmora's builds.
# Usage: build.sh native|sanitize|windows   (build folders: build/<name>)
set -euo pipefail
cd "$(dirname "$0")/.."
kind=$1
case "$kind" in
native) options=(-DCMAKE_BUILD_TYPE=Release) ;;
sanitize) options=(-DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON) ;;
windows) options=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake) ;;
*) echo "usage: $0 native|sanitize|windows" >&2; exit 2 ;;
esac
echo "==> Building ($kind) in build/$kind"
cmake -S . -B "build/$kind" -G Ninja "${options[@]}" >/dev/null
cmake --build "build/$kind"
