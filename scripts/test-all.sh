#!/usr/bin/env bash
# Sets everything up and runs every test: the normal build (unit, GUI and
# player integration tests), the same tests under the address and
# undefined-behaviour sanitizers, the fuzzers for a bounded time, clang-format
# and clang-tidy (scripts/lint.sh), the Debian
# package with its checks and an installed run, and the Windows build with its
# tests under Wine.
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

echo "=== lint ==="
scripts/lint.sh

echo "=== package ==="
scripts/package-tests.sh

echo "=== windows ==="
scripts/windows-tests.sh
