#!/usr/bin/env bash
# Makes a working folder for the editor: the shipped languages, a fresh copy of the example
# game folder, and a prop.dat that points at that copy. Usage: prepare-work-folder.sh FOLDER
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$1"

rm -rf "$work"
mkdir -p "$work"
cp -r "$repo/examples/game" "$work/game"
if [ -d "$repo/languages" ]; then cp -r "$repo/languages" "$work/languages"; fi
printf '%s\r\n' "$work/game" > "$work/prop.dat"
