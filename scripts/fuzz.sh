#!/usr/bin/env bash
# Builds the libFuzzer targets (the "fuzz" preset), replays their seed corpora
# and kept crashers, then fuzzes every target for a bounded time, all targets
# at once. Prints per target the inputs run and the crashes found, and fails
# when a replay or a target crashes, hangs, leaks or runs out of memory.
#
#   FUZZ_SECONDS   fuzzing time per target (default 30)
#   FUZZ_TARGETS   the targets to run (default: all eight: the engine's six
#                  and the designer's template open and global style file)
#
# A crasher is left under build/fuzz/fuzz-run/<target>/artifacts/; keep it
# under tests/fuzz/regressions/<target>/ once understood, so that every
# normal test run replays it.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-30}"
read -r -a targets <<< "${FUZZ_TARGETS:-ini qnf rtf bmp jpeg script designer_qnf global_styles}"
build=build/fuzz
work="$build/fuzz-run"
rm -rf "$work"
mkdir -p "$work"

# -O1 as libFuzzer recommends: several times the inputs per second of -O0,
# with every sanitizer check kept.
echo "fuzz: configuring and building the fuzz preset (log: $work/build.log)"
if ! { cmake --preset fuzz -DCMAKE_C_FLAGS_DEBUG="-g -O1" -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" &&
       cmake --build --preset fuzz --target "${targets[@]/#/fuzz_}"; } > "$work/build.log" 2>&1; then
  tail -n 40 "$work/build.log"
  echo "fuzz: the build failed"
  exit 1
fi

export QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY
# The targets write each input's files to a scratch folder; memory is faster.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

seed_folders() {
  local target=$1 folder
  for folder in tests/fuzz/corpus/"$target" tests/fuzz/regressions/"$target"; do
    if [ -d "$folder" ]; then echo "$folder"; fi
  done
}

dictionary_option() {
  if [ -f "tests/fuzz/dict/$1.dict" ]; then echo "-dict=tests/fuzz/dict/$1.dict"; fi
}

# Lines the engine writes for every preview without a display, and Qt's
# notes on the offscreen platform; they say nothing about the run.
quiet_log() {
  grep -v -e '^zbx_qn: no display' -e '^QStandardPaths: XDG_RUNTIME_DIR not set' \
    -e '^This plugin does not support propagateSizeHints' "$1" || true
}

failed=0
echo "fuzz: replaying the seeds and kept crashers"
for target in "${targets[@]}"; do
  mkdir -p "$work/$target/replay-new" "$work/$target/artifacts"
  mapfile -t folders < <(seed_folders "$target")
  if ! "$build/tests/fuzz/fuzz_$target" -runs=0 -rss_limit_mb=2048 -timeout=10 \
      -artifact_prefix="$work/$target/artifacts/" "$work/$target/replay-new" "${folders[@]}" \
      > "$work/$target/replay.log" 2>&1; then
    quiet_log "$work/$target/replay.log" | tail -n 60
    echo "fuzz: $target: a seed or kept crasher fails"
    failed=1
  fi
done
if [ "$failed" -ne 0 ]; then exit 1; fi

echo "fuzz: fuzzing ${targets[*]} for ${seconds} s each"
pids=()
for target in "${targets[@]}"; do
  mkdir -p "$work/$target/corpus"
  mapfile -t folders < <(seed_folders "$target")
  # New inputs go to the first folder, never into the seeds in git.
  "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -print_final_stats=1 $(dictionary_option "$target") \
    -artifact_prefix="$work/$target/artifacts/" "$work/$target/corpus" "${folders[@]}" \
    > "$work/$target/fuzz.log" 2>&1 &
  pids+=($!)
done
for i in "${!targets[@]}"; do
  wait "${pids[$i]}" || true
done

printf '%-14s %12s %8s\n' target executions crashes
for target in "${targets[@]}"; do
  log="$work/$target/fuzz.log"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  crashes=$(find "$work/$target/artifacts" -type f \
    \( -name 'crash-*' -o -name 'timeout-*' -o -name 'oom-*' -o -name 'leak-*' \) | wc -l)
  printf '%-14s %12s %8s\n' "$target" "${runs:-?}" "$crashes"
  if [ "$crashes" -ne 0 ] || [ -z "$runs" ]; then failed=1; fi
done
for target in "${targets[@]}"; do
  if find "$work/$target/artifacts" -type f | grep -q .; then
    echo "---- $target ($work/$target/fuzz.log)"
    quiet_log "$work/$target/fuzz.log" | grep -v -E '^#[0-9]+ ' | tail -n 80
    find "$work/$target/artifacts" -type f
  fi
done
if [ "$failed" -ne 0 ]; then
  echo "fuzz: FAILED"
  exit 1
fi
echo "fuzz: no crashes"
