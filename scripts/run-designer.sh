#!/usr/bin/env bash
# Builds the report designer and starts it on the desktop. Without a display
# (DISPLAY or WAYLAND_DISPLAY) it says so in one line and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/designer -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSEL_BUILD_TESTS=OFF -DTESSEL_BUILD_BENCH=OFF > /dev/null
cmake --build build/designer --target tessel
exec build/designer/designer/tessel "$@"
