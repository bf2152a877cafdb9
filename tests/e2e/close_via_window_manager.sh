#!/usr/bin/env bash
# The built program on a real X server: start it in a prepared start folder, close the main
# window and then the credits window the way a window manager does, and check that it ends
# with exit code 0 and leaves every file of the start and game folders as it was.
# Usage: close_via_window_manager.sh WENDRIX WM_CLOSE REPO
set -uo pipefail

if [ $# -ne 3 ]; then
  echo "usage: $0 WENDRIX WM_CLOSE REPO" >&2
  exit 2
fi
wendrix="$1"
wm_close="$2"
repo="$3"

title="GTA VC - Wendrix v1.0"
# Each of wm_close's two waits (window shown, window gone) may take this long; with the wait
# for the program's end, the whole run stays well inside the outer limit.
window_wait=10
program_end_wait=10
overall_limit=60

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
start="$tmp/start"

fail() {
  echo "FAILED: $*" >&2
  if [ -s "$tmp/wendrix.log" ]; then
    echo "--- output of wendrix ---" >&2
    cat "$tmp/wendrix.log" >&2
  fi
  exit 1
}

# Every file and folder below the start folder (the game folder is inside it), with the
# checksum of each file, so a changed, new or removed entry shows.
snapshot() {
  (
    cd "$start" || exit 1
    find . -mindepth 1 -type d | LC_ALL=C sort
    find . -type f -print0 | LC_ALL=C sort -z | xargs -0 -r sha256sum
  )
}

"$repo/scripts/prepare-work-folder.sh" "$start" || fail "could not prepare the start folder"
snapshot >"$tmp/before" || fail "could not read the start folder"

# Inside the X session: the program runs in the start folder on the real X server (never the
# offscreen platform the other tests use), and the exit code goes to a file, as it is the
# program's and not xvfb-run's.
session='
  start="$1" wendrix="$2" wm_close="$3" title="$4" window_wait="$5" program_end_wait="$6"
  log="$7" status_file="$8"
  cd "$start" || exit 1
  env -u QT_QPA_PLATFORM "$wendrix" >"$log" 2>&1 &
  app=$!

  stop_program() {
    kill "$app" 2>/dev/null
    sleep 1
    kill -KILL "$app" 2>/dev/null
    wait "$app" 2>/dev/null
  }

  if ! "$wm_close" "$title" "$window_wait"; then
    echo "the main window did not appear or did not close" >&2
    stop_program
    exit 1
  fi
  if ! "$wm_close" "$title" "$window_wait"; then
    echo "the credits window did not appear or did not close after the main window had closed" >&2
    stop_program
    exit 1
  fi

  waited=0
  while kill -0 "$app" 2>/dev/null; do
    if [ "$waited" -ge $((program_end_wait * 10)) ]; then
      echo "the program was still running ${program_end_wait} s after the credits window had closed" >&2
      stop_program
      exit 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  wait "$app"
  echo $? >"$status_file"
'

timeout -k 5 "$overall_limit" \
  xvfb-run -a -s "-screen 0 1024x768x24" \
  bash -c "$session" session "$start" "$wendrix" "$wm_close" "$title" "$window_wait" "$program_end_wait" \
  "$tmp/wendrix.log" "$tmp/status"
session_status=$?

if [ "$session_status" -eq 124 ] || [ "$session_status" -eq 137 ]; then
  fail "the X session did not end within $overall_limit s"
fi
[ -s "$tmp/status" ] || fail "the X session ended with status $session_status before the program had ended"
exit_code="$(cat "$tmp/status")"
[ "$exit_code" = "0" ] || fail "the program ended with exit code $exit_code, not 0"

snapshot >"$tmp/after" || fail "could not read the start folder after the run"
if ! diff -u "$tmp/before" "$tmp/after" >"$tmp/changes"; then
  cat "$tmp/changes" >&2
  fail "files in the start or game folder changed (above: - before, + after)"
fi

echo "The program closed through the window manager's close requests with exit code 0 and changed no file."
