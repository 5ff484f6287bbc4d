#!/bin/sh
# Usage: check-install.sh ROOT
# Checks the program installed under ROOT/usr as a desktop finds it: exactly the expected files, a
# menu entry that starts the installed program, and a menu entry and metadata that pass the
# desktop's own checkers.
set -eu
export LC_ALL=C.UTF-8
prefix=$1/usr
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

{
  echo games/pebblix
  echo share/applications/pebblix.desktop
  echo share/doc/pebblix/changelog.gz
  echo share/doc/pebblix/copyright
  for size in 16 32 48 64 128 256; do echo "share/icons/hicolor/${size}x${size}/apps/pebblix.png"; done
  echo share/icons/hicolor/scalable/apps/pebblix.svg
  echo share/man/man6/pebblix.6.gz
  echo share/metainfo/io.github.pebblix.pebblix.metainfo.xml
  ls "$(dirname "$0")/../../resources/help" | sed -n 's|^pbxhelp.*\.htm$|share/pebblix/help/&|p'
} | sort > "$1/expected-files"
if ! (cd "$prefix" && find . ! -type d | cut -c3- | sort | diff -u "$1/expected-files" -); then
  fail "the installed files are not the expected ones (+ unexpected, - missing)"
fi

program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$prefix/share/applications/pebblix.desktop")
version=$("$prefix/games/$program" --version 2>&1) || true
case $version in
  "pebblix "*) ;;
  *) fail "the menu entry's program '$program' does not run from $prefix/games: $version" ;;
esac

# Runs a desktop checker: anything it says but appstream's word of success is a complaint.
check() {
  if ! output=$("$@" 2>&1) || [ -n "${output#✔ Validation was successful.}" ]; then
    fail "$1 complains: $output"
  fi
}
check desktop-file-validate "$prefix/share/applications/pebblix.desktop"
# --strict fails on every issue above the pedantic ones; the tree check also finds the menu entry
# and icon that the metadata names.
check appstreamcli validate-tree --no-net --strict "$prefix"

[ "$failures" -eq 0 ] && echo "The installed program under $prefix is complete."
