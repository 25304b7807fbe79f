#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests, the benchmarks (libxcb1-dev for the
# start-up one) and run.sh (xvfb, ImageMagick for the screenshot without a display, xwininfo
# to see its window) need, unless they are all present already: among them the fonts with
# the widths of the ones our forms were drawn for (fonts-liberation) and Qt's own
# translations of its dialogs and buttons (qt6-translations-l10n).
set -euo pipefail
packages=(qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libusb-1.0-0-dev libxcb1-dev zlib1g-dev cmake
          g++ ninja-build pkg-config fonts-dejavu-core fonts-liberation qt6-translations-l10n xvfb xauth x11-utils
          imagemagick clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
