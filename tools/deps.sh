#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, only when some are missing.
set -euo pipefail

PACKAGES=(
  cmake ninja-build ccache g++ clang libclang-rt-14-dev clang-format llvm-14 python3
  qt6-base-dev qt6-base-dev-tools libqt6test6 libqt6opengl6-dev
  zlib1g-dev libpng-dev libpixman-1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wine fonts-dejavu-core
  desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl libxml2-utils
  man-db help2man librsvg2-bin dpkg-dev file xvfb
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
