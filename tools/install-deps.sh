#!/usr/bin/env bash
# Installs the Debian packages Pebblix needs to build, test and run, and only the missing ones.
# With --fuzz, also the compiler, fuzzing runtime and symbolizer of the fuzz build.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  clang-format # the format target and the format check of .ci/run
  qt6-base-dev qt6-base-dev-tools
  qt6-base-private-dev # the window tests turn Qt's accessibility on offscreen
  libpulse-dev # the game plays its sounds on the desktop's sound server
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n # translations: lupdate, lrelease, Qt's own
  libsqlite3-dev sqlite3
  # The end-to-end test's two sound servers, recorder and listener
  pulseaudio pulseaudio-utils pipewire pipewire-pulse wireplumber python3
  dbus-daemon # private session buses: the help window's test, PipeWire's and the screen reader's
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-wqy-microhei # Latin, Cyrillic, Arabic; Chinese and Japanese
  xvfb xdotool libxcb1-dev libxcb-damage0-dev
  orca at-spi2-core python3-pyatspi # the screen-reader tests: what Orca speaks, the board over AT-SPI
  dpkg-dev desktop-file-utils appstream groff-base lintian # the package and its checkers
  debootstrap # tools/measure-install.sh
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev llvm)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
