#!/bin/sh
# Usage: check-layout.sh PREFIX
# Checks that the installed tree under PREFIX holds exactly the files a desktop expects, and that
# they fit together: the menu entry starts the installed program, which runs on its own, and every
# icon has its size.
set -eu
prefix=$1
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

icon_sizes="16 32 48 64 128 256"

expected=$(
  {
    echo bin/pebblix
    echo share/applications/pebblix.desktop
    echo share/doc/pebblix/copyright
    for size in $icon_sizes; do
      echo "share/icons/hicolor/${size}x${size}/apps/pebblix.png"
    done
    echo share/icons/hicolor/scalable/apps/pebblix.svg
    echo share/man/man6/pebblix.6.gz
    echo share/metainfo/io.github.pebblix.pebblix.metainfo.xml
    ls "$(dirname "$0")/../../resources/help" | sed -n 's|^pbxhelp.*\.htm$|share/pebblix/help/&|p'
  } | LC_ALL=C sort
)
installed=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [ "$installed" != "$expected" ]; then
  fail "installed files differ from the expected ones (- expected, + installed):"
  printf '%s\n' "$expected" > "$prefix/../expected-files"
  printf '%s\n' "$installed" > "$prefix/../installed-files"
  diff -u "$prefix/../expected-files" "$prefix/../installed-files" | tail -n +3 || true
fi

# A PNG's width and height are the big-endian 32-bit numbers at bytes 16 to 23.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'
}

# The menu entry must start the installed program and show an installed icon of every size.
desktop_entry=$prefix/share/applications/pebblix.desktop
program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop_entry")
if [ ! -x "$prefix/bin/$program" ]; then
  fail "the menu entry starts '$program', which is not an installed program"
elif ! version=$("$prefix/bin/$program" --version 2>&1) || [ "${version#pebblix }" = "$version" ]; then
  fail "the installed program does not run: '$prefix/bin/$program --version' said '$version'"
fi

icon_name=$(sed -n 's/^Icon=//p' "$desktop_entry")
for size in $icon_sizes; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon_name.png
  if [ ! -f "$icon" ]; then
    fail "the menu entry's icon '$icon_name' is not installed at ${size}x${size}"
  elif [ "$(od -An -c -j1 -N3 "$icon" | tr -d ' ')" != "PNG" ]; then
    fail "$icon is not a PNG"
  elif [ "$(png_size "$icon")" != "${size}x${size}" ]; then
    fail "$icon is $(png_size "$icon") pixels, not ${size}x${size}"
  fi
done

svg=$prefix/share/icons/hicolor/scalable/apps/pebblix.svg
if [ -f "$svg" ] && ! grep -q '<svg' "$svg"; then
  fail "$svg is not an SVG picture"
fi

man_page=$prefix/share/man/man6/pebblix.6.gz
if [ -f "$man_page" ] && ! gzip -t "$man_page"; then
  fail "$man_page is not a whole gzip file"
fi

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "The installed tree under $prefix is complete."
