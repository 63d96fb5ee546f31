#!/usr/bin/env bash
# The test command's Debian 13 stage: in a Debian 13 system of its own (see
# scripts/debian-system.sh), installs what Cuedeck needs, builds it once,
# runs its unit, GUI, player and process tests, and builds its package into
# build/debian13/. The build folder is kept in that system, so a run on the
# same machine builds only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exec sudo --preserve-env=CI,CUEDECK_DEBIAN_SYSTEMS,CUEDECK_DEBIAN_MIRROR "$0" "$@"
source scripts/debian-system.sh

root="$debian_systems/debian13"
make_debian_system trixie "$root"

# The source as it is here (tracked and new files, not the build folders).
find "$root/src" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} + 2>/dev/null || true
mkdir -p "$root/src"
git ls-files -z --cached --others --exclude-standard |
  tar --null -T - --ignore-failed-read -cf - | tar -xf - -C "$root/src"

in_debian_system "$root" /bin/bash -c '
  set -euo pipefail
  cd /src
  scripts/install-deps.sh --linux
  cmake --preset default >/dev/null
  cmake --build --preset default -j "$(nproc)"
  ctest --preset default -j "$(nproc)"
  rm -f build/default/cuedeck_*.deb
  (cd build/default && cpack -G DEB >/dev/null)
'
mkdir -p build/debian13
rm -f build/debian13/cuedeck_*.deb
cp "$root"/src/build/default/cuedeck_*.deb build/debian13/
ls build/debian13/cuedeck_*.deb
