#!/bin/sh
# Usage: stage-install.sh CMAKE BUILD_DIR STAGING
# Installs the build under STAGING/usr. The folder is emptied first, so that nothing left from an
# earlier run can stand in for a file that is no longer installed.
set -eu
cmake=$1
build_dir=$2
staging=$3

rm -rf "$staging"
DESTDIR=$staging "$cmake" --install "$build_dir" --prefix /usr
