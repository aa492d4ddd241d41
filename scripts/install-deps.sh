#!/usr/bin/env bash
# Installs every Debian/Ubuntu package the build, the program and the tests need.
# Only missing packages are installed, so a second run costs a second.
set -euo pipefail

PACKAGES=(
  build-essential cmake make pkg-config git clang-format-14 lld
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libgtest-dev libbenchmark-dev
  libhyphen-dev hyphen-de
  libespeak-ng-dev espeak-ng-data qt6-multimedia-dev
  fonts-dejavu-core
  xvfb xauth
  libreoffice-writer-nogui
  desktop-file-utils
  poppler-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
