#!/usr/bin/env bash
# The habits the compiler does not check: clang-format's layout and
# clang-tidy's findings (.clang-tidy), both as errors. Needs the default
# preset configured (its compile_commands.json).
set -euo pipefail
cd "$(dirname "$0")/.."

sources=$(git ls-files '*.cpp' '*.h' | grep -v '^ui/win32/resource' || true)
# The layout is clang-format 14's and the findings are clang-tidy 14's
# (Debian 12's); later versions lay some lines out otherwise and bring checks
# of their own (Debian 13's 19: performance-enum-size, say), so elsewhere
# neither is asked.
major() { "$1" --version | sed -n 's/.*version \([0-9]*\)\..*/\1/p' | head -n 1; }
format_version=$(major clang-format)
if [ "$format_version" = 14 ]; then
  echo "clang-format: $(echo "$sources" | wc -l) files"
  clang-format --dry-run --Werror $sources
else
  echo "clang-format $format_version: the layout is clang-format 14's and is not checked here"
fi

# The program's own sources; the Windows-only ones need the Windows headers.
program=$(git ls-files 'base/*.cpp' 'files/*.cpp' 'player/*.cpp' 'system/*.cpp' 'control/*.cpp' 'front/*.cpp' \
  'ui/*.cpp' 'desktop/*.cpp' 'app/*.cpp' 'helper/*.cpp' | grep -v -E '(^ui/win32/|_win32\.cpp$|^system/windows_|^player/winamp/)')
tidy_version=$(major clang-tidy)
if [ "$tidy_version" != 14 ]; then
  echo "clang-tidy $tidy_version: the findings are clang-tidy 14's and are not asked here"
  exit 0
fi
echo "clang-tidy: $(echo "$program" | wc -l) files"
run-clang-tidy -p build/default -j "$(nproc)" -quiet $program > build/default/clang-tidy.log 2>&1 || {
  grep -E 'error:|warning:' build/default/clang-tidy.log | sort -u
  echo "clang-tidy found the above"
  exit 1
}
echo "clang-format and clang-tidy: nothing found"
