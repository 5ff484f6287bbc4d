#!/bin/sh
# Usage: check-layout.sh PREFIX
# Checks that the installed tree under PREFIX holds exactly the files a desktop expects, intact.
set -eu
prefix=$1
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

expected=$(
  {
    echo share/applications/pebblix.desktop
    echo share/doc/pebblix/copyright
    echo share/man/man6/pebblix.6.gz
    echo share/metainfo/io.github.pebblix.pebblix.metainfo.xml
  } | LC_ALL=C sort
)
installed=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [ "$installed" != "$expected" ]; then
  fail "installed files differ from the expected ones (- expected, + installed):"
  printf '%s\n' "$expected" > "$prefix/../expected-files"
  printf '%s\n' "$installed" > "$prefix/../installed-files"
  diff -u "$prefix/../expected-files" "$prefix/../installed-files" | tail -n +3 || true
fi

man_page=$prefix/share/man/man6/pebblix.6.gz
if [ -f "$man_page" ] && ! gzip -t "$man_page"; then
  fail "$man_page is not a whole gzip file"
fi

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "The installed tree under $prefix is complete."
