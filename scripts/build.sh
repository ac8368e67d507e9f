#!/usr/bin/env bash
# Configures and builds Zemlar into build/; the program folder is build/zemlar.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
# Any arguments go to the build, e.g. --target zemlar.
cmake --build build -j"$(nproc)" "$@"
