#!/usr/bin/env bash
# Sets everything up and runs every test: the normal build (unit, GUI and
# player integration tests), the same tests under the address and
# undefined-behaviour sanitizers, the fuzzers for a bounded time, clang-format
# and clang-tidy (scripts/lint.sh), the Debian package with its checks and an
# installed run, the same build and tests in a Debian 13 system with its
# package, each package installed on a minimal system of its own release, and
# the Windows build with its tests under Wine. Prints each stage's time.
set -euo pipefail
cd "$(dirname "$0")/.."

times=()
stage() { # NAME COMMAND...: one stage, timed
  local name=$1 start=$SECONDS
  shift
  echo "=== $name ==="
  "$@"
  times+=("$(printf '%-22s %4d s' "$name" $((SECONDS - start)))")
}

build_and_test() { # PRESET
  cmake --preset "$1"
  cmake --build --preset "$1" -j "$(nproc)"
  ctest --preset "$1" -j "$(nproc)"
}

stage "dependencies" scripts/install-deps.sh
for preset in default sanitize fuzz; do
  stage "$preset" build_and_test "$preset"
done
stage "lint" scripts/lint.sh
stage "package" scripts/package-tests.sh
stage "debian 13" scripts/debian13-tests.sh
stage "installed packages" scripts/package-install-tests.sh \
  bookworm "$(ls build/default/cuedeck_*.deb)" trixie "$(ls build/debian13/cuedeck_*.deb)"
stage "windows" scripts/windows-tests.sh

echo "=== all passed ==="
printf '%s\n' "${times[@]}" "$(printf '%-22s %4d s' total "$SECONDS")"
