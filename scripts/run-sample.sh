#!/usr/bin/env bash
# Builds the engine and the host stand-in, then runs the shipped host script
# against the shipped sample template. The report always comes out as a PDF,
# whose path is printed: sample-report.pdf here unless ZBX_PRINT_TO names
# another file. To print it on the default CUPS printer instead, run
#   build/sample/host/zbx_host build/sample/engine/libzbx_qn.so samples/sample.txt
# afterwards, without ZBX_PRINT_TO.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/sample -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_BENCH=OFF > /dev/null
cmake --build build/sample --target zbx_qn zbx_host
export ZBX_PRINT_TO="${ZBX_PRINT_TO:-$PWD/sample-report.pdf}"
build/sample/host/zbx_host build/sample/engine/libzbx_qn.so samples/sample.txt
