#!/usr/bin/env bash
# Builds the picture generator and draws the four pictures into resources/pictures.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build/pictures"
cmake -S "$root/tools/pictures" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build"
mkdir -p "$root/resources/pictures"
QT_QPA_PLATFORM=offscreen "$build/make_pictures" "$root/resources/pictures"
