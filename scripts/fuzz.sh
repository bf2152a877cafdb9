#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 30) on its own
# corpus under build/fuzz/corpus. Crashing inputs land in build/fuzz/artifacts/<target>/.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$repo/build/fuzz"
seconds="${1:-30}"
targets=(fuzz_record_line fuzz_number fuzz_text_list fuzz_jpeg fuzz_sections)
handling="$repo/examples/game/data/handling.cfg"

"$repo/scripts/install-packages.sh" fuzz
CC=clang CXX=clang++ cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DWENDRIX_FUZZ=ON -DWENDRIX_TESTS=OFF
cmake --build "$build" --target "${targets[@]}" --parallel 2

# Each line of the sample file on its own, without its line end, as record lines.
seed_record_lines() {
  local corpus="$1" number=0 line
  while IFS= read -r line || [ -n "$line" ]; do
    printf '%s' "${line%$'\r'}" >"$corpus/seed-line-$number"
    number=$((number + 1))
  done <"$handling"
}

seed_corpus() {
  local target="$1" corpus="$2"
  case "$target" in
    fuzz_jpeg) cp "$repo/resources/credits.jpg" "$corpus/seed-credits.jpg" ;;
    fuzz_sections | fuzz_text_list) cp "$handling" "$corpus/seed-handling.cfg" ;;
    fuzz_record_line) seed_record_lines "$corpus" ;;
    fuzz_number) printf '%s' 1200.0 >"$corpus/seed-1"; printf '%s' -0,15 >"$corpus/seed-2" ;;
  esac
}

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=()
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  seed_corpus "$target" "$corpus"
  echo "== $target for $seconds s"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$corpus"; then
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Failed: ${failed[*]} (inputs in $build/artifacts)" >&2
  exit 1
fi
echo "All ${#targets[@]} fuzz targets ran $seconds s without a failure."
