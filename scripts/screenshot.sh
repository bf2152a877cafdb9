#!/usr/bin/env bash
# Takes the README's screenshot of the main window from the real program under Xvfb.
# Usage: screenshot.sh OUTPUT.png [LANGUAGE-FILE]   (the language file listed first is used)
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "$1")"
language="${2:-}"
build="$repo/build/release"
work="$repo/build/screenshot"

"$repo/scripts/build-editor.sh"
"$repo/scripts/prepare-work-folder.sh" "$work"
if [ -n "$language" ]; then
  find "$work/languages" -type f ! -name "$language" -delete
fi

cd "$work"
xvfb-run -a -s "-screen 0 800x560x24" bash -c '
  "$0" & app=$!
  sleep 3
  import -window root -crop 668x359+90+120 +repage "$1"
  kill $app' "$build/wendrix" "$out"
