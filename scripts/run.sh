#!/usr/bin/env bash
# Builds the editor and starts it on a fresh copy of the example game folder, in a working
# folder inside the build tree, so the repository's own files are never touched.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$repo/build/release"
work="$repo/build/run"

"$repo/scripts/build-editor.sh"
"$repo/scripts/prepare-work-folder.sh" "$work"

cd "$work"
exec "$build/wendrix"
