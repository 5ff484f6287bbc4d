#!/bin/sh
# Usage: tools/build-deb.sh [BUILD_DIR]
# Builds the Debian package pebblix_<version>_<architecture>.deb in BUILD_DIR (./build-deb by
# default) and prints its path. The program is built the way Debian builds its own, with the
# hardened compiler and linker flags of dpkg-buildflags, and the package is reproducible: built
# twice from one commit, in any folders, it is the same bytes (times from SOURCE_DATE_EPOCH, which
# defaults to the time of the last commit; files owned by root, in a fixed order).
set -eu

source=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-build-deb}")
root=$build/debian/pebblix

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct 2>/dev/null ||
    dpkg-parsechangelog -l "$source/CHANGELOG" -STimestamp)
fi
export SOURCE_DATE_EPOCH

# dpkg-buildflags maps the source folder (the current one) to "." in what the compiler records;
# the build folder is mapped too, so that neither leaves its name in the program.
cd "$source"
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS -ffile-prefix-map=$build=build" \
  -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
  -DPEBBLIX_BUILD_TESTS=OFF -DPEBBLIX_BUILD_BENCHMARKS=OFF >&2
cmake --build "$build" >&2

rm -rf "$root"
DESTDIR=$root cmake --install "$build" >&2
install -D -m 0644 "$source/packaging/lintian-overrides" "$root/usr/share/lintian/overrides/pebblix"
program=$root/usr/games/pebblix
strip --remove-section=.comment --remove-section=.note --strip-unneeded "$program"

version=$(dpkg-parsechangelog -l "$source/CHANGELOG" -SVersion)
if [ "$("$program" --version)" != "pebblix $version" ]; then
  echo "The program's version is not the one of CHANGELOG's last entry, $version." >&2
  exit 1
fi

# dpkg-shlibdeps names the libraries that the program links, and reads debian/control.
printf 'Source: pebblix\n\nPackage: pebblix\nArchitecture: any\n' > "$build/debian/control"
depends=$(cd "$build" && dpkg-shlibdeps -O debian/pebblix/usr/games/pebblix | sed -n 's/^shlibs:Depends=//p')
# Kibibytes as dpkg counts them: each file rounded up, one for each folder.
size=$(find "$root" -mindepth 1 \( -type f -printf '%s\n' -o -printf '1024\n' \) |
  awk '{ sum += int(($1 + 1023) / 1024) } END { print sum }')

mkdir -p "$root/DEBIAN"
sed -e "s/@VERSION@/$version/" -e "s/@ARCHITECTURE@/$(dpkg --print-architecture)/" \
  -e "s/@INSTALLED_SIZE@/$size/" -e "s/@DEPENDS@/$depends/" \
  "$source/packaging/control.in" > "$root/DEBIAN/control"
(cd "$root" && find usr -type f | LC_ALL=C sort | xargs md5sum) > "$root/DEBIAN/md5sums"

# Modes as a umask of 022 gives them, times no later than SOURCE_DATE_EPOCH.
chmod -R u+rwX,go=rX "$root"
chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
find "$root" -newermt "@$SOURCE_DATE_EPOCH" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
deb=$build/pebblix_${version}_$(dpkg --print-architecture).deb
dpkg-deb --root-owner-group --build "$root" "$deb" >&2
echo "$deb"
