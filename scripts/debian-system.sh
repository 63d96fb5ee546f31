# Debian systems of the test command's own, made with debootstrap from
# Debian's archive into a folder (kept between runs where the machine keeps
# /var/cache), and commands run inside them. Sourced; needs root.

debian_systems=${CUEDECK_DEBIAN_SYSTEMS:-/var/cache/cuedeck}
debian_mirror=${CUEDECK_DEBIAN_MIRROR:-http://deb.debian.org/debian}

# make_debian_system CODENAME FOLDER: a minimal Debian CODENAME in FOLDER,
# unless one is there already (then its package lists are brought up to date).
make_debian_system() {
  local codename=$1 root=$2
  if [ ! -x "$root/usr/bin/apt-get" ] || [ ! -f "$root/.made" ]; then
    rm -rf "$root"
    mkdir -p "$(dirname "$root")"
    debootstrap --variant=minbase "$codename" "$root" "$debian_mirror" >"$root.log" 2>&1 ||
      { tail -n 20 "$root.log" >&2; return 1; }
    touch "$root/.made"
  fi
  cp /etc/resolv.conf "$root/etc/resolv.conf"
}

# A copy of a minimal system in FOLDER, made once and copied for each try,
# so that every try starts from the same untouched system.
# fresh_debian_system CODENAME FOLDER
fresh_debian_system() {
  local codename=$1 root=$2 pristine="$debian_systems/$1-minimal"
  make_debian_system "$codename" "$pristine"
  rm -rf "$root"
  cp -a "$pristine" "$root"
}

# Ends every process still running inside the system at FOLDER (what a
# command left behind, or one stopped halfway), so that its folders can be
# let go.
end_processes_in() {
  local root process
  root=$(readlink -f "$1")
  for process in /proc/[0-9]*; do
    [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ] && kill -KILL "${process#/proc/}" 2>/dev/null
  done
  return 0
}

# in_debian_system FOLDER COMMAND...: COMMAND as root inside FOLDER, with
# /proc, /sys, /dev and /dev/pts of this machine, unmounted when it ends.
in_debian_system() {
  local root=$1
  shift
  local mounted=()
  local point
  for point in proc sys dev dev/pts; do
    mkdir -p "$root/$point"
    case $point in
      proc) mount -t proc proc "$root/proc" ;;
      sys) mount -t sysfs sysfs "$root/sys" ;;
      dev) mount --bind /dev "$root/dev" ;;
      dev/pts) mount --bind /dev/pts "$root/dev/pts" ;;
    esac
    mounted=("$root/$point" "${mounted[@]}")
  done
  # Let go of them too when this script is stopped halfway.
  trap 'end_processes_in '"${root@Q}"'; for point in '"${mounted[*]@Q}"'; do umount -l "$point" 2>/dev/null; done' EXIT
  trap 'exit 130' INT TERM
  local status=0
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb CI="${CI:-}" "$@" || status=$?
  end_processes_in "$root"
  for point in "${mounted[@]}"; do umount -l "$point"; done
  trap - EXIT INT TERM
  return $status
}
