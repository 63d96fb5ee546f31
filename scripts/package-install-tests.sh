#!/usr/bin/env bash
# Each Debian package installed on a minimal system of its own release, made
# afresh (scripts/debian-system.sh), as a user installs it: apt install
# ./cuedeck_<version>_amd64.deb. Then, as a plain user, Cuedeck runs there
# (tests/package/installed_run.sh).
#
#     scripts/package-install-tests.sh CODENAME PACKAGE [CODENAME PACKAGE]...
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exec sudo --preserve-env=CI,CUEDECK_DEBIAN_SYSTEMS,CUEDECK_DEBIAN_MIRROR,CUEDECK_TEST_DEADLINE "$0" "$@"
source scripts/debian-system.sh

while [ $# -ge 2 ]; do
  codename=$1 package=$2
  shift 2
  root="$debian_systems/$codename-try"
  echo "--- $(basename "$package") on a minimal $codename"
  fresh_debian_system "$codename" "$root"
  cp "$package" tests/package/installed_run.sh tests/support/deadline.sh "$root/tmp/"
  for i in 1 2; do
    sox -q -n -r 44100 -b 16 -c 1 "$root/tmp/tip $i.wav" synth 6 sine $((330 * i))
  done
  in_debian_system "$root" /bin/bash -c "
    set -euo pipefail
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q >/dev/null
    cd /tmp && apt install -y -q ./$(basename "$package") >/tmp/apt.log 2>&1 ||
      { tail -n 30 /tmp/apt.log; exit 1; }
    useradd --create-home transcriber
    chmod a+rx /tmp/installed_run.sh /tmp/deadline.sh
    runuser -u transcriber -- env -i PATH=/usr/bin:/bin LANG=C.UTF-8 \
      CUEDECK_TEST_DEADLINE=\${CUEDECK_TEST_DEADLINE:-60} /bin/bash /tmp/installed_run.sh
  "
  rm -rf "$root"
done
