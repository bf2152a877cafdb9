#!/usr/bin/env bash
# Installs what is missing and builds the editor alone, optimised, in build/release.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$repo/build/release"

"$repo/scripts/install-packages.sh"
cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWENDRIX_TESTS=OFF
cmake --build "$build" --target wendrix
