#!/bin/sh
# Usage: check-package.sh SOURCE_DIR WORK_DIR
# Builds the Debian package twice from the same sources in two build folders, checks that both are
# the same bytes, and has lintian check it: no error, no warning, no note about hardening.
set -eu
rm -rf "$2"
first=$("$1/tools/build-deb.sh" "$2/first")
second=$("$1/tools/build-deb.sh" "$2/second")
cmp "$first" "$second" || { echo "FAIL: two builds of the same sources differ."; exit 1; }
report=$(lintian --display-info "$first" 2>&1 | grep -v "^running with root privileges" || true)
echo "$report"
if echo "$report" | grep -Eq '^[EW]: |hardening'; then
  echo "FAIL: lintian complains about the package."
  exit 1
fi
