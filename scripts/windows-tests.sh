#!/usr/bin/env bash
# Builds the Windows program and its tests with mingw-w64, makes the
# installer and the portable zip of both builds, and runs the tests under
# Wine, in a Wine prefix of their own that is removed afterwards (the
# installer test makes another, fresh one). The 32-bit build cannot run on
# this machine: its installer's contents are listed and checked.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
for preset in windows windows-32; do
  echo "=== $preset ==="
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  cmake --build --preset "$preset" --target cuedeck_portable
  (cd "build/$preset" && cpack -G NSIS >/dev/null)
done

echo "=== the 32-bit installer"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' build/windows-32/CPackConfig.cmake)
listing=$(7z l "build/windows-32/Cuedeck-$version-win32.exe")
echo "$listing" | sed -n '/^----/,/^----/p'
for file in cuedeck.exe cuedeck-watch.exe cuedeck-helper.exe cuedeck.html Uninstall.exe; do
  grep -q " $file\$" <<<"$listing" || { echo "FAIL: no $file in the 32-bit installer" >&2; exit 1; }
done
grep -q 'InstallDir "\$PROGRAMFILES\\Cuedeck"' build/windows-32/_CPack_Packages/win32/NSIS/project.nsi ||
  { echo "FAIL: the 32-bit installer does not install into the 32-bit Program Files" >&2; exit 1; }

source tests/windows/wine_env.sh wine
trap wine_cleanup EXIT

wineboot -i >/dev/null 2>&1
# Windows are created, but drawn nowhere: no display needed.
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
wineserver -w
ctest --preset windows
