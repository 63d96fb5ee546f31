#!/usr/bin/env bash
# Installs, from Debian's archive, whatever Cuedeck needs to build, test and
# run that this machine does not have yet. Safe to run again.
set -euo pipefail

# What is left out with --linux: the Windows build and its tests under Wine,
# and what the Debian 13 stage needs to make its systems.
linux_only=false
[ "${1:-}" = "--linux" ] && linux_only=true

packages=(
  cmake ninja-build g++ pkg-config nlohmann-json3-dev locales
  clang libclang-rt-dev clang-format clang-tidy
  libgtest-dev libgmock-dev libbenchmark-dev
  libcanberra-dev libavformat-dev libavcodec-dev libswresample-dev libavutil-dev ffmpeg
  libcurl4-openssl-dev pocketsphinx pocketsphinx-en-us
  qt6-base-dev libxcb1-dev x11-utils qt6-l10n-tools qt6-translations-l10n qt6-wayland
  at-spi2-core python3-pyatspi
  mpv espeak-ng sox
  xvfb xauth xdotool openbox weston pulseaudio pulseaudio-utils iproute2 xclip socat strace
  dbus-daemon dbus-bin dbus-x11 playerctl
  xdg-desktop-portal
  dpkg-dev lintian appstream desktop-file-utils
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
)
if ! $linux_only; then
  packages+=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    wine wine64 fonts-wine nsis p7zip-full unzip
    debootstrap
  )
fi

# Where the releases name a package differently.
release=$(. /etc/os-release && echo "${VERSION_ID:-}")
case "$release" in
  12) packages+=(fonts-liberation2) ;;
  *) packages+=(fonts-liberation) ;; # 13 on: Liberation 2 under its plain name
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# A comma-decimal locale: the tests run the player link under it.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "Generating the de_DE.UTF-8 locale"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
