#!/usr/bin/env bash
# Builds and runs the whole test suite: once in the default build, once under
# AddressSanitizer + UndefinedBehaviorSanitizer, then replays the fuzz corpora
# and fuzzes every input surface for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen
for preset in default asan; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
bash scripts/fuzz.sh
