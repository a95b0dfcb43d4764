#!/usr/bin/env bash
# Installs the Debian packages that are missing: what the build and the
# sample report need, and with "test" also what the tests, the sanitizer
# build and the fuzzing need. Safe to run again.
#   scripts/install-deps.sh [test]
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libjpeg62-turbo-dev libx11-dev libcups2-dev
  fonts-liberation2)
if [ "${1:-}" = "test" ]; then
  # Fonts with the letters of every Windows code page, for the tests that
  # print RTF text in them: Liberation has the European scripts and Hebrew,
  # DejaVu Arabic, Loma Thai, WenQuanYi Micro Hei Chinese, Japanese and
  # Korean (2 MB to download, where the Noto CJK fonts would be 56 MB).
  # The CUPS scheduler and its PDF filters: the printing tests start a
  # scheduler of their own (never the machine's) and print through it.
  packages+=(libgtest-dev libgmock-dev clang libclang-rt-14-dev
    cups cups-client cups-filters
    xvfb xauth x11-utils poppler-utils xdotool
    fonts-dejavu-core fonts-tlwg-loma-otf fonts-wqy-microhei)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
