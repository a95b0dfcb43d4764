#!/usr/bin/env bash
# Builds the engine and the host stand-in, then runs the shipped host script
# against the shipped sample template. With no printer the report comes out
# as a PDF whose path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target zbx_qn zbx_host
export ZBX_PRINT_TO="${ZBX_PRINT_TO:-$PWD/sample-report.pdf}"
build/default/host/zbx_host build/default/engine/libzbx_qn.so samples/sample.txt
