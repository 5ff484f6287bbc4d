#!/bin/sh
# Usage: tools/measure-install.sh PACKAGE.deb
# Prints how many packages (the package included), and how many MiB installed,
# `apt-get install ./PACKAGE.deb` brings to a bare Debian 12. The bare system is made once with
# debootstrap (minbase) from the Debian mirror that this machine's apt uses, and kept in a cache
# folder; apt only simulates the install there, so the cached system stays bare. Runs as root
# (debootstrap and chroot need it).
set -eu

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
  echo "Usage: $0 PACKAGE.deb" >&2
  exit 2
fi
deb=$(realpath "$1")
root=${PEBBLIX_BOOTSTRAP_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/pebblix/bookworm-minbase}

# The first Debian archive named in apt's sources, one-line or deb822 style.
mirror=${PEBBLIX_DEBIAN_MIRROR:-$(sed -n -e 's|^URIs:[[:space:]]*\([^[:space:]]*/debian\)/*$|\1|p' \
  -e 's|^deb[[:space:]]\{1,\}\([^[:space:]]*/debian\)/*[[:space:]].*|\1|p' \
  /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
  2>/dev/null | head -n 1)}
mirror=${mirror:-http://deb.debian.org/debian}

if [ ! -e "$root/.bootstrapped" ]; then
  rm -rf "$root"
  mkdir -p "$root"
  echo "Making a bare Debian 12 in $root from $mirror (once)..." >&2
  debootstrap --variant=minbase bookworm "$root" "$mirror" >&2
  cat > "$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $mirror-security bookworm-security main
EOF
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  chroot "$root" apt-get update -q >&2
  # A bare system as a new player has it: with Debian's updates.
  DEBIAN_FRONTEND=noninteractive chroot "$root" apt-get upgrade -y -q >&2
  touch "$root/.bootstrapped"
fi

cp "$deb" "$root/tmp/measured.deb"
trap 'rm -f "$root/tmp/measured.deb"' EXIT
simulation=$(chroot "$root" apt-get -s -q install /tmp/measured.deb)
# "Inst NAME (VERSION ...)" for every package that the install would add.
added=$(printf '%s\n' "$simulation" | sed -n 's/^Inst \([^ ]*\) (\([^ ]*\) .*/\1 \2/p')
count=$(printf '%s\n' "$added" | grep -c .)
# Installed-Size is in KiB; the package itself is not in apt's lists, so it is read from the file.
package=$(dpkg-deb -f "$deb" Package)
kib=$(
  {
    dpkg-deb -f "$deb" Installed-Size
    printf '%s\n' "$added" | awk -v self="$package" '$1 != self { print $1 "=" $2 }' |
      xargs chroot "$root" apt-cache show | sed -n 's/^Installed-Size: //p'
  } | awk '{ sum += $1 } END { print sum }'
)
awk -v count="$count" -v kib="$kib" \
  'BEGIN { printf "%d packages, %.1f MiB installed\n", count, kib / 1024 }'
