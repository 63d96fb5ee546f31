#!/usr/bin/env bash
# Sets everything up and runs every test: the normal build (unit, GUI and
# player integration tests), the same tests under the address and
# undefined-behaviour sanitizers, and the fuzzers for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
for preset in default sanitize fuzz; do
  echo "=== $preset ==="
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
