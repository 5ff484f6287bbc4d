#!/bin/sh
# Usage: validate.sh desktop-entry|metainfo|man-page PREFIX
# Runs the desktop's own checker on an installed file. Any complaint fails, warnings included;
# a missing checker skips the test (exit 77) and says which Debian package brings it.
set -eu
kind=$1
prefix=$2

require() {
  if ! command -v "$1" >/dev/null 2>&1; then
    echo "SKIPPED: $1 is not installed (Debian package $2; tools/install-deps.sh installs it)."
    exit 77
  fi
}

# Checkers that print nothing when all is well.
expect_silence() {
  output=$("$@" 2>&1) || { echo "$output"; echo "FAIL: $1 exited with an error."; exit 1; }
  if [ -n "$output" ]; then
    echo "$output"
    echo "FAIL: $1 complained."
    exit 1
  fi
}

case $kind in
  desktop-entry)
    require desktop-file-validate desktop-file-utils
    expect_silence desktop-file-validate "$prefix/share/applications/pebblix.desktop"
    ;;
  metainfo)
    require appstreamcli appstream
    # --strict turns every issue above the pedantic level into a failure. The tree check also
    # finds the menu entry and icon that the metadata names.
    appstreamcli validate --no-net --strict \
      "$prefix/share/metainfo/io.github.pebblix.pebblix.metainfo.xml"
    appstreamcli validate-tree --no-net --strict "$prefix"
    ;;
  man-page)
    require groff groff-base
    man_page=$(mktemp)
    trap 'rm -f "$man_page"' EXIT
    gzip -dc "$prefix/share/man/man6/pebblix.6.gz" > "$man_page"
    export LC_ALL=C.UTF-8
    expect_silence groff -man -ww -z -Tutf8 "$man_page"
    ;;
  *)
    echo "Unknown kind of file: $kind"
    exit 2
    ;;
esac
echo "The installed $kind passes its checker."
