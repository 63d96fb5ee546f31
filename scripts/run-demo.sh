#!/usr/bin/env bash
# Sets everything up, builds Cuedeck and starts it on a demo tape group.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --target cuedeck -j "$(nproc)"
group=$(scripts/make-demo.sh build/default/demo)
exec build/default/app/cuedeck "$group"
