#!/usr/bin/env bash
# Builds the benchmarks in a Release tree of their own (build/bench) and runs
# them, printing their tables: whole reports printed to PDF at 1,000, 10,000
# and 100,000 records, a report of 1,000 pages with a logo and a photo on
# each, a page of six bitmaps, reports of 10,000 and 99,990 labels, then the preview of a 2,000-page report, then
# the designer on a design of 2,000 objects and its long session (2,000
# cycles of New, place, save, close, open).
#   scripts/bench.sh [--runs N]    (each print size is run N times, default 3)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
runs=3
if [ "${1:-}" = "--runs" ] && [ -n "${2:-}" ]; then runs=$2; fi

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSEL_WERROR=ON \
  -DTESSEL_BUILD_BENCH=ON -DTESSEL_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench --target tessel_print_bench tessel_preview_bench tessel_designer_bench \
  tessel_designer_soak

export QT_QPA_PLATFORM=offscreen
echo
echo "Machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
# Timings on a shared machine swing with its load; say what it was.
echo "Load average before the runs: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
build/bench/bench/tessel_print_bench --runs "$runs"
echo
build/bench/bench/tessel_print_bench --pictures logo-and-photo --runs "$runs"
echo
build/bench/bench/tessel_print_bench --pictures bitmaps --runs "$runs"
echo
build/bench/bench/tessel_print_bench --labels --runs "$runs"
echo
# Qt's offscreen platform chatters on standard error about window hints.
build/bench/bench/tessel_preview_bench 2> >(grep -v -e propagateSizeHints -e XDG_RUNTIME_DIR >&2)
echo
build/bench/bench/tessel_designer_bench 2> >(grep -v -e propagateSizeHints -e XDG_RUNTIME_DIR >&2)
echo
# Resident memory over the designer's long session must stay flat.
build/bench/bench/tessel_designer_soak 2> >(grep -v -e propagateSizeHints -e XDG_RUNTIME_DIR >&2)
