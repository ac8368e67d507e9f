#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (headless).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
# The printing test needs a CUPS queue that writes PDF files; it is started here.
if [ -x scripts/start-cups.sh ]; then
  bash scripts/start-cups.sh
fi
cd build
ctest --output-on-failure -j"$(nproc)"
